// The refresh timer and the foreground poll on the main window's timer ids.
#include "platform/win32/app/refresh_timer.h"

#include "platform/win32/app/main_window_messages.h"
#include "platform/win32/last_error_win32.h"

namespace lartsen::win32 {
namespace {

// A switch of the foreground is stamped within this long whatever the refresh rate; each poll
// is one foreground query.
constexpr UINT kForegroundPollInterval = 25;

}  // namespace

RefreshTimer::RefreshTimer(HWND owner) : owner_(owner), pollInterval_(kForegroundPollInterval) {}

void RefreshTimer::Enable() {
  Start();
  if (!ticking_) ThrowLastError(UiText::CannotStartTimer);
}

void RefreshTimer::Start() {
  // The first tick may fall sooner than the rate: in step with the clock's next second.
  ticking_ = SetTimer(owner_, kRefreshTimer, static_cast<UINT>(placement_.NextDelay()), nullptr) != 0;
  ArmPoll();
}

void RefreshTimer::Stop() {
  ticking_ = polling_ = false;
  KillTimer(owner_, kRefreshTimer);
  KillTimer(owner_, kForegroundPollTimer);
}

void RefreshTimer::PlaceNextTick() {
  if (ticking_ && placement_.PlacesEachTick()) {
    SetTimer(owner_, kRefreshTimer, static_cast<UINT>(placement_.NextDelay()), nullptr);
  }
}

void RefreshTimer::SetPollInterval(UINT milliseconds) {
  pollInterval_ = milliseconds;
  ArmPoll();
}

void RefreshTimer::ArmPoll() {
  // A refresh timer at least as fast as the poll notices a switch as soon: no poll then, so the
  // fastest rates cost what they did.
  polling_ = ticking_ && static_cast<UINT>(placement_.Rate()) > pollInterval_;
  if (polling_) {
    polling_ = SetTimer(owner_, kForegroundPollTimer, pollInterval_, nullptr) != 0;
  } else {
    KillTimer(owner_, kForegroundPollTimer);
  }
}

}  // namespace lartsen::win32
