// Opens the X connection, interns the atoms in one batch and learns the root window and host name.
#include "platform/linux/x11/x11_connection.h"

#include <unistd.h>
#include <xcb/randr.h>

#include <cstdlib>
#include <memory>

#include "support/error.h"
#include "support/text.h"

namespace lartsen::x11 {
namespace {

constexpr std::array<const char*, static_cast<std::size_t>(Atom::Count)> kAtomNames{
    "_NET_ACTIVE_WINDOW",       "_NET_WM_NAME",
    "UTF8_STRING",              "COMPOUND_TEXT",
    "_NET_WM_PID",
    "_NET_WM_STATE",            "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_WINDOW_TYPE",      "_NET_WM_WINDOW_TYPE_DESKTOP",
    "_NET_WM_WINDOW_TYPE_DOCK", "_NET_FRAME_EXTENTS",
};

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

}  // namespace

Connection::Connection(const char* display) {
  int screenNumber = 0;
  connection_ = xcb_connect(display, &screenNumber);
  if (xcb_connection_has_error(connection_)) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
    throw Error(status::kFail, UiText::NoXServerConnection);
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber && it.rem > 0; ++i) xcb_screen_next(&it);
  if (it.rem == 0) {
    xcb_disconnect(connection_);
    throw Error(status::kFail, UiText::XServerNamedNoScreen);
  }
  root_ = it.data->root;
  width_ = it.data->width_in_pixels;
  height_ = it.data->height_in_pixels;

  // All atoms and the RandR version in one round trip.
  std::array<xcb_intern_atom_cookie_t, kAtomNames.size()> cookies{};
  for (std::size_t i = 0; i < kAtomNames.size(); ++i) {
    cookies[i] = xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::char_traits<char>::length(kAtomNames[i])),
                                 kAtomNames[i]);
  }
  const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection_, &xcb_randr_id);
  xcb_randr_query_version_cookie_t version{};
  if (randr && randr->present) version = xcb_randr_query_version(connection_, 1, 5);
  for (std::size_t i = 0; i < kAtomNames.size(); ++i) {
    std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(
        xcb_intern_atom_reply(connection_, cookies[i], nullptr));
    atoms_[i] = reply ? reply->atom : XCB_ATOM_NONE;
  }
  if (randr && randr->present) {
    std::unique_ptr<xcb_randr_query_version_reply_t, FreeDeleter> reply(
        xcb_randr_query_version_reply(connection_, version, nullptr));
    hasMonitors_ = reply && (reply->major_version > 1 ||
                             (reply->major_version == 1 && reply->minor_version >= 5));
  }

  char host[256] = {};
  if (gethostname(host, sizeof host - 1) == 0) hostName_ = host;
}

Connection::~Connection() {
  if (connection_) xcb_disconnect(connection_);
}

int Connection::FileDescriptor() const { return xcb_get_file_descriptor(connection_); }

bool Connection::HasError() const { return xcb_connection_has_error(connection_) != 0; }

}  // namespace lartsen::x11
