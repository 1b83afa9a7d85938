// Screen geometry for the full-screen guard from the Windows user interface.
#pragma once

#include "engine/screen_port.h"

namespace lartsen::win32 {

// The monitor functions and GetShellWindow are looked up in user32 at their first call, so
// the program starts on hosts that lack them; there the guard uses the primary screen.
class ScreenWin32 : public ScreenPort {
 public:
  ScreenRect GetPrimaryScreenRect() override;
  std::optional<ScreenRect> GetMonitorRect(WindowHandle window) override;
  WindowHandle GetDesktopWindow() override;
  WindowHandle GetShellWindow() override;
  std::optional<ScreenRect> GetWindowRect(WindowHandle window) override;
};

}  // namespace lartsen::win32
