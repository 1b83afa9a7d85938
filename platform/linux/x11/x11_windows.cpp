// Window port calls answered from the kept facts, the tick's fact batch, or straight from the server.
#include "platform/linux/x11/x11_windows.h"

namespace lartsen::x11 {
namespace {

xcb_window_t ToX(WindowHandle window) { return static_cast<xcb_window_t>(window); }

}  // namespace

WindowHandle X11Windows::GetForegroundWindow() {
  if (!inTick_) return reader_.ActiveWindow();
  if (!active_) active_ = reader_.ActiveWindow();
  lastForeground_ = *active_;
  // The foreground is about to be examined whole: its facts come in one batch.
  if (*active_ != 0 && !Cached(*active_)) Cache(*active_);
  return *active_;
}

const WindowFacts& X11Windows::Facts(WindowHandle window) {
  if (const WindowFacts* facts = Cached(window)) return *facts;
  if (inTick_) {
    Cache(window);
    return cached_->second;
  }
  scratch_ = reader_.Read(ToX(window));
  return scratch_;
}

std::u16string X11Windows::GetWindowText(WindowHandle window) {
  if (const WindowFacts* facts = Cached(window)) {
    lastRead_ = {window, facts->hasNetName, facts->titleExact};
    return facts->title;
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

void X11Windows::Watching(bool root, WindowHandle window) {
  rootWatched_ = root;
  if (!root) active_.reset();
  if (window == watched_) return;
  // Facts read before the window's events were asked for may have changed unheard.
  watched_ = window;
  cached_.reset();
  cachedKept_ = false;
}

bool X11Windows::ReadsProperty(xcb_atom_t property) const {
  switch (property) {
    case XCB_ATOM_WM_CLASS:
    case XCB_ATOM_WM_CLIENT_MACHINE:
      return true;
    default:
      return property == connection_.atom(Atom::NetWmPid) || property == connection_.atom(Atom::NetWmState) ||
             property == connection_.atom(Atom::NetWmWindowType) ||
             property == connection_.atom(Atom::NetFrameExtents);
  }
}

void X11Windows::ForgetFacts(WindowHandle window) {
  if (cached_ && cached_->first == window) cached_.reset();
}

void X11Windows::ForgetAll() {
  cached_.reset();
  active_.reset();
}

const WindowFacts* X11Windows::Cached(WindowHandle window) const {
  if (inTick_ && cached_ && cached_->first == window) return &cached_->second;
  return nullptr;
}

void X11Windows::Cache(WindowHandle window) {
  cached_.emplace(window, reader_.Read(ToX(window)));
  cachedKept_ = window != 0 && window == watched_;
}

void X11Windows::EndTick() {
  inTick_ = false;
  if (!cachedKept_ || !cached_ || cached_->first != watched_) cached_.reset();
  if (!rootWatched_) active_.reset();
}

}  // namespace lartsen::x11
