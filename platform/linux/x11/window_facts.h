// What the X server tells about one top-level window, read in a single batch of requests.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/screen_port.h"
#include "platform/linux/x11/x11_connection.h"

namespace lartsen::x11 {

struct WindowFacts {
  bool exists = false;          // false for window 0 and for a window that has gone
  std::u16string title;         // _NET_WM_NAME, else WM_NAME
  bool hasNetName = false;      // the window keeps a _NET_WM_NAME
  bool titleExact = true;       // `title` is exactly what the window holds (see ReadTitle)
  std::u16string className;     // the class part of WM_CLASS
  std::uint32_t pid = 0;        // _NET_WM_PID; 0 when missing or the window runs on another host
  bool fullScreenState = false; // _NET_WM_STATE holds _NET_WM_STATE_FULLSCREEN
  bool desktopOrDock = false;   // _NET_WM_WINDOW_TYPE is a desktop or a dock (panel)
  std::optional<ScreenRect> frame;  // the window with its decoration, in root coordinates
  std::vector<ScreenRect> monitors; // RandR monitors, else the whole screen
};

// Every call waits for the server only (never for another client). A window that vanished
// reads as absent; any other X error throws Error.
class WindowFactsReader {
 public:
  explicit WindowFactsReader(Connection& connection) : connection_(connection) {}

  // The root's _NET_ACTIVE_WINDOW; 0 without an EWMH window manager. One round trip.
  xcb_window_t ActiveWindow();
  // Every fact at once: all requests go out before the first reply is awaited. One round trip
  // (one more for a title over 256 KiB).
  WindowFacts Read(xcb_window_t window);
  // The title alone, of any length; `hasNetName` tells whether it came from _NET_WM_NAME,
  // `exact` whether the text is exactly the window's (false for a set of COMPOUND_TEXT not known
  // here, malformed UTF-8, an unknown type, a title that changed while it was read). One round
  // trip, one more for a title over 256 KiB.
  std::u16string ReadTitle(xcb_window_t window, bool& hasNetName, bool& exact);
  // Writes WM_NAME, and _NET_WM_NAME when `netName`, without waiting; an error for a vanished
  // window is dropped.
  void WriteTitle(xcb_window_t window, std::u16string_view text, bool netName);

 private:
  Connection& connection_;
};

}  // namespace lartsen::x11
