// The foreground watch and the retitle watch: X property events read from the xcb socket.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <functional>
#include <memory>

#include "platform/linux/x11/x11_windows.h"

namespace lartsen::linux_app {

// A change of the root's _NET_ACTIVE_WINDOW, or a title change of the followed (stamped) window
// that this program did not write, asks for one tick at once. Several events coalesce into one
// tick, run from the event loop, never from inside another tick. At most one tick for retitles
// runs between two other ticks, so that an application that answers every title written to it
// with a title of its own cannot drive the program round in circles; a retitle left over waits
// for the next tick.
//
// The events also tell the window port what it may keep between ticks: the foreground, and the
// facts of the foreground window (its properties and geometry), until an event says otherwise.
class X11Watch final : public QObject {
 public:
  X11Watch(x11::X11Windows& windows, std::function<void()> runTick);
  ~X11Watch() override;

  // Events of `stamped` (its retitles) and of `foreground` (its facts) are watched from now on
  // (0: none), those of the windows followed before no more.
  void Follow(xcb_window_t stamped, xcb_window_t foreground);
  // This program has just written `properties` title properties of `window`: the events they
  // cause are its own.
  void NoteOwnWrite(xcb_window_t window, int properties);
  // Every tick tells the watch that it begins; one that the watch did not run for a retitle
  // allows the next retitle tick.
  void TickStarts();
  // Reads every event the connection holds; used before ticks, so that they see every change
  // the server has told of, and after them, since their replies may have queued some.
  void Drain();
  // Called when the X server went away.
  void SetLostHandler(std::function<void()> handler) { lost_ = std::move(handler); }
  // Asked before a tick for a retitle: true while the stamped window still shows the text this
  // program wrote (then there is nothing to adopt yet). Never throws.
  void SetOwnTitleCheck(std::function<bool()> shown) { ownTitleShown_ = std::move(shown); }

 private:
  struct Followed {
    xcb_window_t window = 0;
    int ownEventsExpected = 0;
  };
  Followed* Find(xcb_window_t window);
  void PropertyChanged(xcb_window_t window, xcb_atom_t atom);
  void QueueTick(bool forRetitle);

  x11::X11Windows& windows_;
  x11::Connection& connection_;
  std::function<void()> runTick_;
  std::function<void()> lost_;
  std::function<bool()> ownTitleShown_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::array<Followed, 2> followed_{};  // the stamped window, then the foreground when another
  xcb_window_t stamped_ = 0;
  bool tickQueued_ = false;
  bool ordinaryQueued_ = false;  // the queued tick is due for something other than a retitle
  bool retitleSpent_ = false;    // a retitle tick has run since the last other tick
  bool runningRetitle_ = false;
};

}  // namespace lartsen::linux_app
