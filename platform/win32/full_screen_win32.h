// Screen geometry for the full-screen guard from the Windows user interface.
#pragma once

#include <cstdint>

#include "engine/screen_port.h"

namespace lartsen::win32 {

// The monitor functions and GetShellWindow are looked up in user32 at their first call, so
// the program starts on hosts that lack them; there the guard uses the primary screen.
//
// The display queries are by far the dearest calls of a tick (under the compatibility layer each
// one rereads the display configuration), so their answers are kept while they provably hold:
// the monitor nearest to a window depends only on the window's rectangle and the display layout,
// and the primary screen's size only on the layout. The layout's changes are announced to every
// top-level window (WM_DISPLAYCHANGE, WM_SETTINGCHANGE), which calls ForgetGeometry; as a
// safeguard against an announcement that never comes, nothing is kept longer than
// kGeometryLifetimeMs either.
class ScreenWin32 : public ScreenPort {
 public:
  static constexpr std::uint32_t kGeometryLifetimeMs = 1000;

  ScreenRect GetPrimaryScreenRect() override;
  std::optional<ScreenRect> GetMonitorRect(WindowHandle window) override;
  WindowHandle GetDesktopWindow() override;
  WindowHandle GetShellWindow() override;
  std::optional<ScreenRect> GetWindowRect(WindowHandle window) override;

  // The display layout (resolution, monitors, their arrangement) may have changed.
  void ForgetGeometry();

 private:
  bool Fresh();

  // Tick counts (GetTickCount); unsigned differences stay right across their wrap.
  std::uint32_t readAtMs_ = 0;  // when the kept geometry was read; 0 while nothing is kept
  bool primaryKnown_ = false;
  ScreenRect primary_;
  // The last monitor answer and the window rectangle it was given for.
  bool monitorKnown_ = false;
  WindowHandle monitorWindow_ = 0;
  ScreenRect monitorWindowRect_;
  std::optional<ScreenRect> monitor_;
  // The rectangle GetWindowRect has just read, taken by the next GetMonitorRect for the same
  // window (the guard asks for both in a row, within one reading of the system's tick count),
  // which then need not read it a second time.
  bool justRead_ = false;
  WindowHandle justReadWindow_ = 0;
  std::uint32_t justReadAtMs_ = 0;
  ScreenRect justReadRect_;
};

}  // namespace lartsen::win32
