// The full-screen guard on X11: the full-screen state, or a frame that is exactly a monitor.
#pragma once

#include "engine/full_screen_guard.h"
#include "platform/linux/x11/x11_windows.h"

namespace lartsen::x11 {

// Desktop and dock windows are never full screen, though they may cover a monitor.
class X11FullScreen : public FullScreenQuery {
 public:
  explicit X11FullScreen(X11Windows& windows) : windows_(windows) {}
  // Never throws: a failing read answers false.
  FullScreenCheck IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) override;

 private:
  X11Windows& windows_;
};

// The rule itself, over facts already read.
bool IsFullScreen(const WindowFacts& facts);

}  // namespace lartsen::x11
