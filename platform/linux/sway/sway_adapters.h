// The full-screen guard and the process routes under sway, over the window port's facts.
#pragma once

#include "engine/full_screen_guard.h"
#include "platform/linux/sway/sway_windows.h"
#include "process/process_routes.h"

namespace lartsen::sway {

// Full screen is what sway says: a fullscreen_mode other than 0 (the output or global).
class SwayFullScreen : public FullScreenQuery {
 public:
  explicit SwayFullScreen(SwayWindows& windows) : windows_(windows) {}
  // Never throws: a failing read answers false.
  FullScreenCheck IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) override;

 private:
  SwayWindows& windows_;
};

// The view's pid and the image its /proc entry names; the other routes answer empty.
class SwayProcessRoutes : public ProcessRoutes {
 public:
  explicit SwayProcessRoutes(SwayWindows& windows) : windows_(windows) {}

  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  void EnableDebugPrivilege() override {}
  std::u16string GetProcessPath9x(std::uint32_t) override { return {}; }
  std::u16string QueryFullProcessPath(std::uint32_t ProcessId) override;
  std::u16string GetProcessModulePath(std::uint32_t) override { return {}; }

 private:
  SwayWindows& windows_;
};

}  // namespace lartsen::sway
