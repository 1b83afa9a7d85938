// The full-screen guard: is the foreground window covering its whole monitor?
#include "engine/full_screen_guard.h"

#include <optional>
#include <string>

namespace lartsen {

namespace {

// Runs one step of the guard; a step that fails in any way is skipped, never reported,
// because an undecided guard must simply let the tick go on.
template <typename Step>
auto Attempt(Step step) -> std::optional<decltype(step())> {
  try {
    return step();
  } catch (...) {
    return std::nullopt;
  }
}

// The desktop's wallpaper layers (behind the icons, on newer hosts) cover the screen too.
constexpr std::u16string_view kDesktopWorkerClass = u"WorkerW";

}  // namespace

FullScreenGuard::FullScreenGuard(WindowPort& windows, ScreenPort& screen, HostPort& host)
    : windows_(windows), screen_(screen), host_(host) {}

bool FullScreenGuard::HostHasMonitorFunctions() {
  // Windows 95, NT 4.0 and NT 3.51 have no monitor functions; a host test that fails
  // counts as such a host, so only the primary screen is used.
  return Attempt([&] {
           return !host_.IsHostWin95() && !host_.IsHostWinNT40() && !host_.IsHostWinNT351();
         }).value_or(false);
}

std::optional<ScreenRect> FullScreenGuard::ReferenceRect(WindowHandle monitorWindow) {
  if (HostHasMonitorFunctions()) {
    if (auto monitor = Attempt([&] { return screen_.GetMonitorRect(monitorWindow); }); monitor && *monitor) {
      return **monitor;
    }
  }
  // The primary screen is the reference when the monitor cannot be asked or gives nothing.
  return Attempt([&] { return screen_.GetPrimaryScreenRect(); });
}

FullScreenCheck FullScreenGuard::IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) {
  if (window == 0) window = Attempt([&] { return windows_.GetForegroundWindow(); }).value_or(0);
  if (monitorWindow == 0) monitorWindow = window;
  return {window, monitorWindow, window != 0 && CoversItsMonitor(window, monitorWindow)};
}

bool FullScreenGuard::CoversItsMonitor(WindowHandle window, WindowHandle monitorWindow) {
  // The geometry comes first: almost no window covers its monitor, and then the desktop tests
  // (two more questions to the window manager on every tick) cannot change the answer.
  const auto rect = Attempt([&] { return screen_.GetWindowRect(window); });
  if (!rect || !*rect) return false;
  const std::optional<ScreenRect> reference = ReferenceRect(monitorWindow);
  if (!reference || **rect != *reference) return false;

  // The desktop and its layers cover the screen without being full-screen programs.
  const auto desktop = Attempt([&] { return screen_.GetDesktopWindow(); });
  if (desktop && window == *desktop) return false;
  const auto shell = Attempt([&] { return screen_.GetShellWindow(); });
  if (shell && *shell != 0 && window == *shell) return false;
  const auto className = Attempt([&] { return windows_.GetWindowClassName(window); });
  return !(className && *className == kDesktopWorkerClass);
}

}  // namespace lartsen
