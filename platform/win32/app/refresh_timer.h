// The refresh timer of the main window, with the foreground poll that runs beside it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/refresh_placement.h"
#include "platform/win32/clock_win32.h"
#include "settings/settings_store.h"

namespace lartsen::win32 {

// Both timers run, or neither. Ticks at whole seconds are placed in step with the clock, anew
// after each tick, since the system's timer drifts and comes late by varying amounts.
class RefreshTimer : public RefreshTimerPort {
 public:
  explicit RefreshTimer(HWND owner);
  ~RefreshTimer() override { Stop(); }
  RefreshTimer(const RefreshTimer&) = delete;
  RefreshTimer& operator=(const RefreshTimer&) = delete;

  void Disable() override { Stop(); }
  void SetInterval(std::int32_t milliseconds) override { placement_.SetRate(milliseconds); }
  // Throws Error when the system has no timer to give.
  void Enable() override;

  void Start();
  void Stop();
  // After a tick of the refresh timer: the next one in step with the clock.
  void PlaceNextTick();
  // A slower poll once the host is known to report foreground changes by itself.
  void SetPollInterval(UINT milliseconds);

  // True while the refresh timer runs: ticks of any kind may stamp.
  bool Ticking() const { return ticking_; }
  // True while the foreground poll runs: the refresh timer is slower than the poll.
  bool Polling() const { return polling_; }

 private:
  void ArmPoll();

  HWND owner_;
  LocalClock clock_;
  RefreshPlacement placement_{clock_};
  UINT pollInterval_;
  bool ticking_ = false;
  bool polling_ = false;
};

}  // namespace lartsen::win32
