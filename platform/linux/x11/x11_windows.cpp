// Window port calls answered from the tick's fact batch or straight from the server.
#include "platform/linux/x11/x11_windows.h"

namespace lartsen::x11 {
namespace {

xcb_window_t ToX(WindowHandle window) { return static_cast<xcb_window_t>(window); }

}  // namespace

WindowHandle X11Windows::GetForegroundWindow() {
  const xcb_window_t active = reader_.ActiveWindow();
  // The foreground is about to be examined whole: its facts come in one batch.
  if (inTick_ && active != 0) cached_.emplace(active, reader_.Read(active));
  return active;
}

const WindowFacts& X11Windows::Facts(WindowHandle window) {
  if (cached_ && cached_->first == window) return cached_->second;
  if (inTick_) {
    cached_.emplace(window, reader_.Read(ToX(window)));
    return cached_->second;
  }
  scratch_ = reader_.Read(ToX(window));
  return scratch_;
}

std::u16string X11Windows::GetWindowText(WindowHandle window) {
  if (cached_ && cached_->first == window) {
    lastRead_ = {window, cached_->second.hasNetName, cached_->second.titleExact};
    return cached_->second.title;
  }
  bool hasNetName = false;
  bool exact = true;
  std::u16string title = reader_.ReadTitle(ToX(window), hasNetName, exact);
  lastRead_ = {window, hasNetName, exact};
  return title;
}

bool X11Windows::TrySetWindowText(WindowHandle window, std::u16string_view text) {
  if (window != 0 && lastRead_.window == window && !lastRead_.exact) return false;
  SetWindowText(window, text);
  return true;
}

void X11Windows::SetWindowText(WindowHandle window, std::u16string_view text) {
  // Never a lossy text in place of the window's own.
  if (window != 0 && lastRead_.window == window && !lastRead_.exact) return;
  // The title writer reads a window before it writes it; an unknown window gets both names.
  const bool netName = lastRead_.window != window || lastRead_.netName;
  reader_.WriteTitle(ToX(window), text, netName);
  if (window != 0 && observer_) observer_(window, netName ? 2 : 1);
  if (cached_ && cached_->first == window && cached_->second.exists) cached_->second.title = text;
}

std::u16string X11Windows::GetWindowClassName(WindowHandle window) {
  if (window == 0) return {};
  return Facts(window).className;
}

std::uint32_t X11Windows::GetWindowProcessId(WindowHandle window) {
  if (window == 0) return 0;
  return Facts(window).pid;
}

}  // namespace lartsen::x11
