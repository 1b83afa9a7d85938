// Port to the screen geometry the full-screen guard compares: screens, monitors, window rectangles.
#pragma once

#include <cstdint>
#include <optional>

#include "support/types.h"

namespace lartsen {

// A rectangle in screen pixels; right and bottom lie just outside it.
struct ScreenRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Each call may throw Error; the guard treats a throwing call as a step it skips.
class ScreenPort {
 public:
  virtual ~ScreenPort() = default;
  // (0, 0, width, height) of the primary screen.
  virtual ScreenRect GetPrimaryScreenRect() = 0;
  // The rectangle of the monitor nearest to `window`; nothing when the host has no monitor
  // functions or they fail.
  virtual std::optional<ScreenRect> GetMonitorRect(WindowHandle window) = 0;
  virtual WindowHandle GetDesktopWindow() = 0;
  // 0 when the host has no shell window or cannot name it.
  virtual WindowHandle GetShellWindow() = 0;
  // Nothing when the window does not exist.
  virtual std::optional<ScreenRect> GetWindowRect(WindowHandle window) = 0;
};

}  // namespace lartsen
