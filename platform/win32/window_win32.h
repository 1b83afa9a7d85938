// Window port over User32: titles of any window, read without asking its (maybe hung) thread.
#pragma once

#include <windows.h>

// After <windows.h>, so that its title macros are taken back for the port's names.
#include "support/window_port.h"

namespace lartsen::win32 {

class WindowWin32 : public WindowPort {
 public:
  // How long a title write waits for a window of another thread before giving up.
  static constexpr unsigned kWriteTimeoutMs = 300;

  WindowHandle GetForegroundWindow() override;
  std::u16string GetWindowText(WindowHandle window) override;
  void SetWindowText(WindowHandle window, std::u16string_view text) override;
  bool TrySetWindowText(WindowHandle window, std::u16string_view text) override;
  std::u16string GetWindowClassName(WindowHandle window) override;
};

}  // namespace lartsen::win32
