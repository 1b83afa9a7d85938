// A window for the X11 tests: title, class, type, size and full-screen state from the command line.
// Prints its id ("0x…") once it is mapped and lives until it is killed.
//   lartsen-test-window --title T --class C [--fullscreen] [--type dock|desktop]
//                       [--geometry WxH+X+Y] [--unmanaged] [--wm-name-only [--compound]]
//                       [--retitle-on-change] [--title-file PATH]
// --title-file: the title is the file's text, for titles longer than a command line takes.
// --wm-name-only: an old-style window with WM_NAME alone; --compound: WM_NAME as COMPOUND_TEXT
// (ASCII and Cyrillic only). --retitle-on-change: answers every title another program writes
// with a new title of its own ("<title> 1", "<title> 2", ...).
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t Intern(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
  std::free(reply);
  return atom;
}

void SetText(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type, const std::string& text) {
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, type, 8, static_cast<std::uint32_t>(text.size()),
                      text.data());
}

// UTF-8 ASCII and Cyrillic as COMPOUND_TEXT: ISO 8859-5 designated into the right half.
std::string CompoundText(const std::string& utf8) {
  std::string out = "\x1b-L";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80 || i + 1 >= utf8.size()) {
      out += static_cast<char>(byte);
      continue;
    }
    const unsigned code = ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
    out += static_cast<char>(code - 0x0400 + 0xA0);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string title = "Test window", klass = "LartsenTest", type;
  bool fullscreen = false, unmanaged = false, wmNameOnly = false, compound = false, retitle = false;
  int width = 400, height = 300, x = 100, y = 100;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (arg == "--title") title = next();
    else if (arg == "--title-file") {
      title.clear();
      if (std::FILE* file = std::fopen(next().c_str(), "rb")) {
        char buffer[65536];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file)) title.append(buffer, got);
        std::fclose(file);
      }
    }
    else if (arg == "--class") klass = next();
    else if (arg == "--type") type = next();
    else if (arg == "--fullscreen") fullscreen = true;
    else if (arg == "--unmanaged") unmanaged = true;
    else if (arg == "--wm-name-only") wmNameOnly = true;
    else if (arg == "--compound") compound = true;
    else if (arg == "--retitle-on-change") retitle = true;
    else if (arg == "--geometry") std::sscanf(next().c_str(), "%dx%d+%d+%d", &width, &height, &x, &y);
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) return 2;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t w = xcb_generate_id(c);
  const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY | (retitle ? XCB_EVENT_MASK_PROPERTY_CHANGE : 0u);
  const std::uint32_t values[] = {screen->white_pixel, unmanaged ? 1u : 0u, events};
  xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, static_cast<std::int16_t>(x),
                    static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                    static_cast<std::uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
  const xcb_atom_t utf8 = Intern(c, "UTF8_STRING");
  const xcb_atom_t netName = Intern(c, "_NET_WM_NAME");
  if (!wmNameOnly) SetText(c, w, netName, utf8, title);
  if (compound) SetText(c, w, XCB_ATOM_WM_NAME, Intern(c, "COMPOUND_TEXT"), CompoundText(title));
  else SetText(c, w, XCB_ATOM_WM_NAME, utf8, title);
  const std::string wmClass = "lartsen-test" + std::string(1, '\0') + klass + std::string(1, '\0');
  SetText(c, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, wmClass);
  const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Intern(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  SetText(c, w, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, host);
  if (fullscreen) {
    const xcb_atom_t state = Intern(c, "_NET_WM_STATE_FULLSCREEN");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Intern(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &state);
  }
  if (!type.empty()) {
    const std::string name = "_NET_WM_WINDOW_TYPE_" + std::string(type == "dock" ? "DOCK" : "DESKTOP");
    const xcb_atom_t value = Intern(c, name.c_str());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Intern(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &value);
  }
  xcb_map_window(c, w);
  xcb_flush(c);
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
    std::free(event);
    if (mapped) break;
  }
  std::printf("0x%x\n", w);
  std::fflush(stdout);
  std::string shown = title;
  int retitles = 0;
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    if (retitle && (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY && property->atom == netName) {
      xcb_get_property_reply_t* reply =
          xcb_get_property_reply(c, xcb_get_property(c, 0, w, netName, XCB_GET_PROPERTY_TYPE_ANY, 0, 65536), nullptr);
      const std::string now = reply ? std::string(static_cast<const char*>(xcb_get_property_value(reply)),
                                                  static_cast<std::size_t>(xcb_get_property_value_length(reply)))
                                    : std::string();
      std::free(reply);
      if (now != shown) {  // another program's title: answer with one of our own
        shown = title + " " + std::to_string(++retitles);
        SetText(c, w, netName, utf8, shown);
        SetText(c, w, XCB_ATOM_WM_NAME, utf8, shown);
        xcb_flush(c);
      }
    }
    std::free(event);
  }
  xcb_disconnect(c);
  return 0;
}
