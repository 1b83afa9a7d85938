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

bool X11FullScreen::IsFullScreenWindow(WindowHandle& window, WindowHandle& monitorWindow) {
  try {
    if (window == 0) window = windows_.GetForegroundWindow();
    if (monitorWindow == 0) monitorWindow = window;
    if (window == 0) return false;
    return IsFullScreen(windows_.Facts(window));
  } catch (...) {
    return false;
  }
}

}  // namespace lartsen::x11
