// Selects property events on the root and the stamped window and turns foreign changes into ticks.
#include "platform/linux/app/x11_watch.h"

#include <QTimer>
#include <cstdlib>

namespace lartsen::linux_app {
namespace {

void SelectPropertyEvents(xcb_connection_t* c, xcb_window_t window, bool on) {
  const std::uint32_t mask = on ? XCB_EVENT_MASK_PROPERTY_CHANGE : XCB_EVENT_MASK_NO_EVENT;
  xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

}  // namespace

X11Watch::X11Watch(x11::Connection& connection, std::function<void()> runTick)
    : connection_(connection), runTick_(std::move(runTick)) {
  SelectPropertyEvents(connection_.get(), connection_.Root(), true);
  xcb_flush(connection_.get());
  notifier_ = std::make_unique<QSocketNotifier>(connection_.FileDescriptor(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Drain(); });
}

X11Watch::~X11Watch() {
  notifier_.reset();
  if (connection_.HasError()) return;
  if (followed_ != 0) SelectPropertyEvents(connection_.get(), followed_, false);
  SelectPropertyEvents(connection_.get(), connection_.Root(), false);
  xcb_flush(connection_.get());
}

void X11Watch::Follow(xcb_window_t window) {
  if (window == followed_) return;
  // Unchecked: a window that has gone answers with an error event, which Drain drops.
  if (followed_ != 0) SelectPropertyEvents(connection_.get(), followed_, false);
  if (window != 0) SelectPropertyEvents(connection_.get(), window, true);
  xcb_flush(connection_.get());
  followed_ = window;
  ownEventsExpected_ = 0;
}

void X11Watch::NoteOwnWrite(xcb_window_t window, int properties) {
  if (window != 0 && window == followed_) ownEventsExpected_ += properties;
}

void X11Watch::Drain() {
  xcb_connection_t* c = connection_.get();
  const xcb_atom_t netName = connection_.atom(x11::Atom::NetWmName);
  const xcb_atom_t active = connection_.atom(x11::Atom::NetActiveWindow);
  while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
    if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
      const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
      if (property->window == connection_.Root()) {
        if (property->atom == active) QueueTick();
      } else if (property->window == followed_ &&
                 (property->atom == netName || property->atom == XCB_ATOM_WM_NAME)) {
        if (ownEventsExpected_ > 0) {
          --ownEventsExpected_;
        } else {
          QueueTick();  // the application retitled its window: the stamp goes on its new title now
        }
      }
    }
    std::free(event);
  }
  if (connection_.HasError() && lost_) {
    notifier_->setEnabled(false);
    lost_();
  }
}

void X11Watch::QueueTick() {
  if (tickQueued_) return;
  tickQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    tickQueued_ = false;
    runTick_();
  });
}

}  // namespace lartsen::linux_app
