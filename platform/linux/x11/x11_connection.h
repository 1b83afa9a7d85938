// The program's own connection to the X server: opened once, closed with its owner, atoms interned up front.
#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <string>

namespace lartsen::x11 {

// The atoms the window facts and the watches need.
enum class Atom : std::size_t {
  NetActiveWindow,
  NetWmName,
  Utf8String,
  CompoundText,
  NetWmPid,
  NetWmState,
  NetWmStateFullscreen,
  NetWmWindowType,
  NetWmWindowTypeDesktop,
  NetWmWindowTypeDock,
  NetFrameExtents,
  Count
};

class Connection {
 public:
  // Opens `display` (nullptr: $DISPLAY); throws Error when no X server answers.
  explicit Connection(const char* display = nullptr);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  xcb_connection_t* get() const { return connection_; }
  xcb_window_t Root() const { return root_; }
  std::uint16_t ScreenWidth() const { return width_; }
  std::uint16_t ScreenHeight() const { return height_; }
  xcb_atom_t atom(Atom which) const { return atoms_[static_cast<std::size_t>(which)]; }
  int FileDescriptor() const;
  bool HasError() const;
  // The machine name other programs' windows give in WM_CLIENT_MACHINE when they run here.
  const std::string& HostName() const { return hostName_; }
  // Whether the server answers RandR's monitor list (RandR 1.5).
  bool HasMonitors() const { return hasMonitors_; }

  // Waits for the server: every reply collected after a batch of requests counts once.
  void CountRoundTrip() { ++roundTrips_; }
  std::uint64_t RoundTrips() const { return roundTrips_; }

 private:
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  std::uint16_t width_ = 0;
  std::uint16_t height_ = 0;
  std::array<xcb_atom_t, static_cast<std::size_t>(Atom::Count)> atoms_{};
  std::string hostName_;
  bool hasMonitors_ = false;
  std::uint64_t roundTrips_ = 0;
};

}  // namespace lartsen::x11
