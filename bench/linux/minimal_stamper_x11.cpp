// The yardstick of what a stamp costs an X11 desktop: a stamper that writes the foreground
// window's title once a second, at the start of the second, and does nothing else.
//   bench_minimal_stamper_x11
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>

namespace {

xcb_atom_t Intern(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
  std::free(reply);
  return atom;
}

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 65536), nullptr);
  std::string value;
  if (reply) {
    value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                 static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  }
  std::free(reply);
  return value;
}

}  // namespace

int main() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) return 2;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t active = Intern(c, "_NET_ACTIVE_WINDOW");
  const xcb_atom_t netName = Intern(c, "_NET_WM_NAME");
  const xcb_atom_t utf8 = Intern(c, "UTF8_STRING");
  xcb_window_t last = 0;
  std::string own;
  for (;;) {
    // Sleep until just after the next second begins.
    const auto now = std::chrono::system_clock::now();
    const auto next = std::chrono::ceil<std::chrono::seconds>(now + std::chrono::milliseconds(1));
    std::this_thread::sleep_until(next + std::chrono::milliseconds(3));

    const std::string activeBytes = Property(c, root, active);
    if (activeBytes.size() < 4) continue;
    xcb_window_t window = 0;
    std::memcpy(&window, activeBytes.data(), 4);
    if (window == 0) continue;
    if (window != last) {
      last = window;
      own = Property(c, window, netName);
    }
    const std::time_t seconds = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, " [%H:%M:%S]", std::localtime(&seconds));
    const std::string title = own + stamp;
    const auto size = static_cast<std::uint32_t>(title.size());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netName, utf8, 8, size, title.data());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, utf8, 8, size, title.data());
    xcb_flush(c);
    if (xcb_connection_has_error(c)) return 1;
  }
}
