// The foreground watch and the retitle watch: X property events read from the xcb socket.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/linux/x11/x11_connection.h"

namespace lartsen::linux_app {

// A change of the root's _NET_ACTIVE_WINDOW, or a title change of the followed (stamped) window
// that this program did not write, asks for one tick at once. Several events coalesce into one
// tick, run from the event loop, never from inside another tick.
class X11Watch final : public QObject {
 public:
  X11Watch(x11::Connection& connection, std::function<void()> runTick);
  ~X11Watch() override;

  // Title events of `window` are watched from now on (0: none), the previous window's no more.
  void Follow(xcb_window_t window);
  // This program has just written `properties` title properties of `window`: the events they
  // cause are its own.
  void NoteOwnWrite(xcb_window_t window, int properties);
  // Reads every event the connection holds; used after ticks, whose replies may have queued some.
  void Drain();
  // Called when the X server went away.
  void SetLostHandler(std::function<void()> handler) { lost_ = std::move(handler); }

 private:
  void QueueTick();

  x11::Connection& connection_;
  std::function<void()> runTick_;
  std::function<void()> lost_;
  std::unique_ptr<QSocketNotifier> notifier_;
  xcb_window_t followed_ = 0;
  int ownEventsExpected_ = 0;
  bool tickQueued_ = false;
};

}  // namespace lartsen::linux_app
