// Full screen by _NET_WM_STATE_FULLSCREEN or by a frame equal to one RandR monitor.
#include "platform/linux/x11/x11_full_screen.h"

#include <algorithm>

namespace lartsen::x11 {

bool IsFullScreen(const WindowFacts& facts) {
  if (!facts.exists || facts.desktopOrDock) return false;
  if (facts.fullScreenState) return true;
  if (!facts.frame) return false;
  return std::find(facts.monitors.begin(), facts.monitors.end(), *facts.frame) != facts.monitors.end();
}

FullScreenCheck X11FullScreen::IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) {
  FullScreenCheck check{window, monitorWindow, false};
  try {
    if (check.Window == 0) check.Window = windows_.GetForegroundWindow();
    if (check.MonitorWindow == 0) check.MonitorWindow = check.Window;
    check.FullScreen = check.Window != 0 && IsFullScreen(windows_.Facts(check.Window));
  } catch (...) {
    check.FullScreen = false;
  }
  return check;
}

}  // namespace lartsen::x11
