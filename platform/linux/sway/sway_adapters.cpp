// Full screen from fullscreen_mode; process image from /proc/PID/exe.
#include "platform/linux/sway/sway_adapters.h"

#include "platform/linux/system/proc_process.h"

namespace lartsen::sway {

FullScreenCheck SwayFullScreen::IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) {
  FullScreenCheck check{window, monitorWindow, false};
  try {
    if (check.Window == 0) check.Window = windows_.GetForegroundWindow();
    if (check.MonitorWindow == 0) check.MonitorWindow = check.Window;
    const auto facts = windows_.Facts(check.Window);
    check.FullScreen = facts && facts->fullScreen;
  } catch (...) {
    check.FullScreen = false;
  }
  return check;
}

std::uint32_t SwayProcessRoutes::GetWindowThreadProcessId(WindowHandle window) {
  return windows_.GetWindowProcessId(window);
}

std::u16string SwayProcessRoutes::QueryFullProcessPath(std::uint32_t ProcessId) {
  return ProcessImagePath(ProcessId);
}

}  // namespace lartsen::sway
