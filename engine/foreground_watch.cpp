// Runs the refresh tick at once when the foreground window changes; never one tick inside another.
#include "engine/foreground_watch.h"

#include <utility>

namespace lartsen {

ForegroundWatch::ForegroundWatch(FullScreenQuery& guard, WindowPort& windows,
                                 const TitleWriter& writer, TickFunction tick)
    : guard_(guard), windows_(windows), writer_(writer), tick_(std::move(tick)) {}

void ForegroundWatch::Tick() {
  if (running_) return;
  retitleRan_ = false;
  Run();
}

bool ForegroundWatch::Poll() {
  if (running_) return false;
  const WindowHandle foreground = windows_.GetForegroundWindow();
  if (foreground == seen_) return false;
  // Noted before the tick, in case the tick ends before it asks the guard: the next poll must
  // not take the same switch for a new one.
  seen_ = foreground;
  Tick();
  return true;
}

bool ForegroundWatch::TitleChanged(WindowHandle window) {
  if (running_ || retitleRan_ || window == 0 || window != writer_.StampedWindow) return false;
  if (windows_.GetWindowText(window) == writer_.StampedTitle) return false;  // our own write
  retitleRan_ = true;
  Run();
  return true;
}

FullScreenCheck ForegroundWatch::IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) {
  const FullScreenCheck check = guard_.IsFullScreenWindow(window, monitorWindow);
  seen_ = check.Window;
  return check;
}

void ForegroundWatch::Run() {
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
  } running{running_};
  tick_();
}

}  // namespace lartsen
