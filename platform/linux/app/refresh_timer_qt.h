// The refresh timer of the Linux program: ticks at whole-second rates fall in step with the clock.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <utility>

#include "app/refresh_placement.h"
#include "settings/settings_store.h"
#include "support/clock_port.h"

namespace lartsen::linux_app {

// A tick goes to the handler set by the program (the main form's boundary, which catches
// everything). At whole-second rates each tick is placed anew from the clock, since the event
// loop's timers drift from it and come late by varying amounts.
class RefreshTimerQt final : public QObject, public RefreshTimerPort {
 public:
  // The clock is held by reference and must outlive the timer.
  explicit RefreshTimerQt(ClockPort& clock);

  void SetTickHandler(std::function<void()> handler) { tick_ = std::move(handler); }
  // Below a second, a tick only brings the stamp up to date with the clock when events already
  // bring every other change at once (the foreground, titles). While `stampFollowsOnlyTheClock`
  // says so, ticks fall once a second, in step; otherwise at the rate. Asked before every tick.
  void SetCoastCheck(std::function<bool()> stampFollowsOnlyTheClock) { coast_ = std::move(stampFollowsOnlyTheClock); }

  void Disable() override;
  void SetInterval(std::int32_t milliseconds) override { placement_.SetRate(milliseconds); }
  void Enable() override;

  // The wait the timer was last set to; -1 while it is off.
  int ArmedDelay() const { return timer_.isActive() ? timer_.interval() : -1; }

 private:
  void Arm();

  RefreshPlacement placement_;
  QTimer timer_;
  bool enabled_ = false;
  std::function<void()> tick_;
  std::function<bool()> coast_;
};

}  // namespace lartsen::linux_app
