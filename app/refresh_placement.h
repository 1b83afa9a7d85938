// When the refresh timer's next tick falls: in step with the clock's seconds for whole-second rates.
#pragma once

#include <cstdint>

#include "support/clock_port.h"

namespace lartsen {

// How long after a second begins an in-step tick falls: late enough that the clock already
// reads the new second, early enough that a stamp is a second behind only for a moment.
inline constexpr std::int32_t kTickAfterSecondMs = 3;

// The shortest wait between two ticks on every platform: what a Windows timer allows at all
// (USER_TIMER_MINIMUM). The rate says how fresh the stamp should be, and a stamp changes at most
// once a second; a faster timer would only spend the desktop's time on ticks with nothing to do.
inline constexpr std::int32_t kShortestTickMs = 10;

// Ticks of a rate that is a whole number of seconds fall just after a second begins, on the
// seconds of the day that are multiples of the rate (each second at 1000 ms, each minute's start
// at 60000 ms): a stamp that shows seconds then changes with the clock instead of up to a
// second after it. Platform timers drift from the clock and come late by varying amounts, so the
// wait is worked out from the clock anew for every tick. This holds whatever the template shows:
// ticks in step cost nothing more, minutes and hours change on a second's start too, and whether
// a time format shows seconds depends on the locale's named formats. Other rates keep the plain
// periodic timer: below a second the stamp is fresh anyway, and an interval with a fraction of a
// second cannot keep falling just after a second begins.
class RefreshPlacement {
 public:
  // Held by reference; must outlive the placement.
  explicit RefreshPlacement(ClockPort& clock) : clock_(clock) {}

  void SetRate(std::int32_t milliseconds) { rate_ = milliseconds < 1 ? 1 : milliseconds; }
  std::int32_t Rate() const { return rate_; }
  // True when the timer must be set anew after every tick with NextDelay().
  bool PlacesEachTick() const { return rate_ % 1000 == 0; }
  // The wait from now until the next tick: the rate itself for a free-running timer (and when
  // the clock cannot tell the time of day), never below kShortestTickMs, else until the next
  // moment in step, at most the rate and at least 1 ms. One clock reading.
  std::int32_t NextDelay();
  // The wait until the next second's in-step moment, whatever the rate (the clock's rate when it
  // cannot tell the time of day).
  std::int32_t DelayToNextSecond();

 private:
  // The wait until the next moment in step with `period` milliseconds.
  std::int32_t InStep(std::int32_t period);

  ClockPort& clock_;
  std::int32_t rate_ = 1000;
};

}  // namespace lartsen
