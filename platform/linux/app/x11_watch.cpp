// Selects property events on the root and the followed windows and turns foreign changes into ticks.
#include "platform/linux/app/x11_watch.h"

#include <QTimer>
#include <cstdlib>
#include <utility>

namespace lartsen::linux_app {
namespace {

// Properties for the titles and facts; structure for the geometry the full-screen guard judges.
constexpr std::uint32_t kFollowedEvents = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;

void SelectEvents(xcb_connection_t* c, xcb_window_t window, std::uint32_t mask) {
  xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

// The window a structure event is about: every such event names it in the same place.
xcb_window_t StructureEventWindow(const xcb_generic_event_t* event) {
  return reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window;
}

}  // namespace

X11Watch::X11Watch(x11::X11Windows& windows, std::function<void()> runTick)
    : windows_(windows), connection_(windows.connection()), runTick_(std::move(runTick)) {
  SelectEvents(connection_.get(), connection_.Root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
  xcb_flush(connection_.get());
  windows_.Watching(true, 0);
  notifier_ = std::make_unique<QSocketNotifier>(connection_.FileDescriptor(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Drain(); });
}

X11Watch::~X11Watch() {
  notifier_.reset();
  windows_.Watching(false, 0);
  if (connection_.HasError()) return;
  for (const Followed& followed : followed_) {
    if (followed.window != 0) SelectEvents(connection_.get(), followed.window, XCB_EVENT_MASK_NO_EVENT);
  }
  SelectEvents(connection_.get(), connection_.Root(), XCB_EVENT_MASK_NO_EVENT);
  xcb_flush(connection_.get());
}

X11Watch::Followed* X11Watch::Find(xcb_window_t window) {
  if (window == 0) return nullptr;
  for (Followed& followed : followed_) {
    if (followed.window == window) return &followed;
  }
  return nullptr;
}

void X11Watch::Follow(xcb_window_t stamped, xcb_window_t foreground) {
  const std::array<xcb_window_t, 2> wanted{stamped, foreground == stamped ? 0 : foreground};
  std::array<Followed, 2> next{};
  bool changed = false;
  // Unchecked: a window that has gone answers with an error event, which Drain drops.
  for (const Followed& old : followed_) {
    if (old.window != 0 && old.window != wanted[0] && old.window != wanted[1]) {
      SelectEvents(connection_.get(), old.window, XCB_EVENT_MASK_NO_EVENT);
      changed = true;
    }
  }
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    next[i].window = wanted[i];
    if (wanted[i] == 0) continue;
    if (const Followed* old = Find(wanted[i])) {
      next[i].ownEventsExpected = old->ownEventsExpected;
    } else {
      SelectEvents(connection_.get(), wanted[i], kFollowedEvents);
      changed = true;
    }
  }
  if (changed) xcb_flush(connection_.get());
  followed_ = next;
  stamped_ = stamped;
  windows_.Watching(true, foreground);
}

void X11Watch::NoteOwnWrite(xcb_window_t window, int properties) {
  if (Followed* followed = Find(window)) followed->ownEventsExpected += properties;
}

void X11Watch::TickStarts() {
  if (!runningRetitle_) retitleSpent_ = false;
}

void X11Watch::Drain() {
  xcb_connection_t* c = connection_.get();
  while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
    switch (event->response_type & 0x7f) {
      case XCB_PROPERTY_NOTIFY: {
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        PropertyChanged(property->window, property->atom);
        break;
      }
      case XCB_CONFIGURE_NOTIFY:
      case XCB_DESTROY_NOTIFY:
      case XCB_UNMAP_NOTIFY:
      case XCB_MAP_NOTIFY:
      case XCB_REPARENT_NOTIFY:
        windows_.ForgetFacts(StructureEventWindow(event));
        break;
      default:
        break;
    }
    std::free(event);
  }
  if (connection_.HasError() && lost_) {
    notifier_->setEnabled(false);
    lost_();
  }
}

void X11Watch::PropertyChanged(xcb_window_t window, xcb_atom_t atom) {
  if (window == connection_.Root()) {
    if (atom == connection_.atom(x11::Atom::NetActiveWindow)) {
      windows_.ForgetActiveWindow();
      QueueTick(false);
    }
    return;
  }
  Followed* followed = Find(window);
  if (followed == nullptr) return;
  if (atom == connection_.atom(x11::Atom::NetWmName) || atom == XCB_ATOM_WM_NAME) {
    if (followed->ownEventsExpected > 0) {
      --followed->ownEventsExpected;
      return;
    }
    windows_.ForgetFacts(window);
    if (window == stamped_) QueueTick(true);  // the application retitled its window: stamp its new title now
  } else if (windows_.ReadsProperty(atom)) {
    windows_.ForgetFacts(window);
  }
}

void X11Watch::QueueTick(bool forRetitle) {
  if (forRetitle && retitleSpent_) return;  // the next tick adopts it: its facts are forgotten
  if (!forRetitle) ordinaryQueued_ = true;
  if (tickQueued_) return;
  tickQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    tickQueued_ = false;
    const bool forRetitleOnly = !std::exchange(ordinaryQueued_, false);
    // A retitle in steps (WM_NAME first, _NET_WM_NAME after) shows our text until its last step;
    // the tick waits for that step and spends nothing before.
    if (forRetitleOnly && ownTitleShown_ && ownTitleShown_()) return;
    runningRetitle_ = forRetitleOnly;
    if (forRetitleOnly) retitleSpent_ = true;
    runTick_();
    runningRetitle_ = false;
  });
}

}  // namespace lartsen::linux_app
