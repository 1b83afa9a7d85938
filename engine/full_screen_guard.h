// The full-screen guard: is the foreground window covering its whole monitor?
#pragma once

#include <optional>

#include "engine/screen_port.h"
#include "support/host_port.h"
#include "support/types.h"
#include "support/window_port.h"

namespace lartsen {

// What a full-screen question found: the window examined, the window whose monitor it was
// compared with, and whether it covers that monitor.
struct FullScreenCheck {
  WindowHandle Window = 0;
  WindowHandle MonitorWindow = 0;
  bool FullScreen = false;
};

// What the refresh cycle asks before each tick; fakes in tests answer as they are told.
class FullScreenQuery {
 public:
  virtual ~FullScreenQuery() = default;
  // `window` 0 means the foreground window and `monitorWindow` 0 means `window`; the answer
  // names the handles actually used. Never throws.
  virtual FullScreenCheck IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) = 0;
};

// A window is full screen when its rectangle is exactly its monitor's and it is not part of
// the desktop. Nothing is kept between calls: every call judges the current geometry.
// The ports are held by reference and must outlive the guard.
class FullScreenGuard : public FullScreenQuery {
 public:
  FullScreenGuard(WindowPort& windows, ScreenPort& screen, HostPort& host);

  // Every failing step is skipped; the answer is false unless the rectangles compare equal.
  FullScreenCheck IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) override;

 private:
  bool CoversItsMonitor(WindowHandle window, WindowHandle monitorWindow);
  // The monitor's rectangle, else the primary screen's; nothing when neither can be read.
  std::optional<ScreenRect> ReferenceRect(WindowHandle monitorWindow);
  bool HostHasMonitorFunctions();

  WindowPort& windows_;
  ScreenPort& screen_;
  HostPort& host_;
};

}  // namespace lartsen
