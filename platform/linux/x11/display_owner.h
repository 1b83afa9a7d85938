// One program per X server: a selection owned by a window of the program, as tray managers
// announce themselves, and the commands other starts send to that window.
#pragma once

#include <xcb/xcb.h>

#include <vector>

#include "platform/linux/x11/x11_connection.h"

namespace lartsen::x11 {

enum class InstanceCommand { OpenSettings = 1, Quit = 2 };

// Works on a connection of its own: the selection lasts exactly as long as that connection
// (the server drops it when the process dies, however it dies), and its events never mix with
// the watches'.
class DisplayOwner {
 public:
  explicit DisplayOwner(Connection& connection);
  ~DisplayOwner();
  DisplayOwner(const DisplayOwner&) = delete;
  DisplayOwner& operator=(const DisplayOwner&) = delete;

  // Takes the selection when nobody holds it, the look and the take under one server grab so
  // that two starts never both win. False when another program (of any user) holds it.
  bool Claim();
  // The window holding the selection now; 0 when no copy runs on this server.
  xcb_window_t Owner();
  // Sends `command` to the running copy and waits until the server has taken it (a start that
  // ends right after a plain send was seen to lose it); false when there is no copy.
  bool Send(InstanceCommand command);
  // The commands that have arrived since the last call, in order; reads every waiting event.
  std::vector<InstanceCommand> TakeCommands();

  int FileDescriptor() const { return connection_.FileDescriptor(); }

 private:
  Connection& connection_;
  xcb_atom_t selection_ = XCB_ATOM_NONE;
  xcb_atom_t command_ = XCB_ATOM_NONE;
  xcb_window_t window_ = 0;
};

}  // namespace lartsen::x11
