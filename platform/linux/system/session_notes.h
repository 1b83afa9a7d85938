// What the program needs to know before it tells the user once about a Wayland session.
#pragma once

namespace lartsen {

// WAYLAND_DISPLAY set, or XDG_SESSION_TYPE=wayland.
bool IsWaylandSession();

// True the first time it is asked for this user: a mark in $XDG_STATE_HOME (else
// ~/.local/state)/lartsen remembers the note. A mark that cannot be made asks again next time.
bool FirstWaylandStart();

}  // namespace lartsen
