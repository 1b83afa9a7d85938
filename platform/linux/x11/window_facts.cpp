// Batched property, geometry and monitor requests for a window, and the two-property title write.
#include "platform/linux/x11/window_facts.h"

#include <xcb/randr.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/linux/x11/text_property.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen::x11 {
namespace {

// Values up to 256 KiB come with the batch; a longer title costs one more request for the rest.
constexpr std::uint32_t kMaxPropertyLongs = 65536;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Own(T* p) {
  return Reply<T>(p, &std::free);
}

// Errors of one batch: a window that has gone is an answer ("nothing"), any other error is
// remembered and thrown once every reply of the batch has been collected, so that none is
// left behind in the connection.
class BatchErrors {
 public:
  template <typename T>
  Reply<T> Checked(T* reply, xcb_generic_error_t* error) {
    if (error) {
      const std::uint8_t code = error->error_code;
      std::free(error);
      if (code != XCB_WINDOW && code != XCB_DRAWABLE && code != XCB_MATCH && other_ == 0) other_ = code;
      return Own<T>(nullptr);
    }
    return Own(reply);
  }
  void ThrowIfAny() const {
    if (other_ != 0) throw Error(status::kFail, UiText::XServerErrorBefore, FromUtf8(std::to_string(other_)));
  }

 private:
  std::uint8_t other_ = 0;
};

std::string_view Bytes(const xcb_get_property_reply_t* reply) {
  if (!reply || reply->type == XCB_ATOM_NONE) return {};
  const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply));
  return {static_cast<const char*>(xcb_get_property_value(reply)), length};
}

bool HasAtom(const xcb_get_property_reply_t* reply, xcb_atom_t wanted) {
  if (!reply || reply->format != 32 || wanted == XCB_ATOM_NONE) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
  const int count = xcb_get_property_value_length(reply) / 4;
  return std::find(atoms, atoms + count, wanted) != atoms + count;
}

std::uint32_t FirstCardinal(const xcb_get_property_reply_t* reply) {
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply) < 4) return 0;
  return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
}

xcb_get_property_cookie_t Ask(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property,
                              std::uint32_t longs = kMaxPropertyLongs) {
  return xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs);
}

Reply<xcb_get_property_reply_t> Take(xcb_connection_t* c, xcb_get_property_cookie_t cookie, BatchErrors& errors) {
  xcb_generic_error_t* error = nullptr;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, &error);
  return errors.Checked(reply, error);
}

// The whole value of a property whose first part is `first`. Where the server holds more, the
// rest is asked for at once; `complete` is false when the value changed in between.
std::string WholeBytes(Connection& connection, xcb_window_t window, xcb_atom_t property,
                       const xcb_get_property_reply_t* first, bool& complete) {
  std::string bytes(Bytes(first));
  complete = true;
  if (!first || first->type == XCB_ATOM_NONE || first->bytes_after == 0) return bytes;
  xcb_connection_t* c = connection.get();
  complete = false;
  if (bytes.size() % 4 != 0) return bytes;
  const auto offset = static_cast<std::uint32_t>(bytes.size() / 4);
  auto cookie = xcb_get_property(c, 0, window, property, first->type, offset, first->bytes_after / 4 + 1);
  connection.CountRoundTrip();
  BatchErrors errors;
  auto rest = Take(c, cookie, errors);
  errors.ThrowIfAny();
  if (!rest || rest->type != first->type || rest->format != first->format || rest->bytes_after != 0) return bytes;
  bytes.append(Bytes(rest.get()));
  complete = true;
  return bytes;
}

// _NET_WM_NAME, else WM_NAME, read whole. `exact` is false when the text is not exactly what
// the window holds (changed while read, malformed, a character set not known here).
std::u16string TitleOf(Connection& connection, xcb_window_t window, const xcb_get_property_reply_t* netName,
                       const xcb_get_property_reply_t* name, bool& hasNetName, bool& exact) {
  hasNetName = netName && netName->type != XCB_ATOM_NONE;
  exact = true;
  if (!hasNetName && (!name || name->type == XCB_ATOM_NONE)) return {};
  const xcb_get_property_reply_t* chosen = hasNetName ? netName : name;
  bool complete = true;
  const std::string bytes = WholeBytes(connection, window, hasNetName ? connection.atom(Atom::NetWmName)
                                                                      : XCB_ATOM_WM_NAME, chosen, complete);
  const TextEncoding encoding = hasNetName || chosen->type == connection.atom(Atom::Utf8String) ? TextEncoding::Utf8
                                : chosen->type == connection.atom(Atom::CompoundText)          ? TextEncoding::CompoundText
                                                                                               : TextEncoding::Latin1;
  // A type that is none of the three (TEXT, a locale's own) is read as Latin-1, not exactly.
  const bool knownType = encoding != TextEncoding::Latin1 || chosen->type == XCB_ATOM_STRING;
  bool decoded = true;
  std::u16string title = DecodeTextProperty(encoding, bytes, &decoded);
  exact = complete && decoded && knownType;
  return title;
}

bool IsLatin1(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
}

}  // namespace

xcb_window_t WindowFactsReader::ActiveWindow() {
  xcb_connection_t* c = connection_.get();
  auto cookie = Ask(c, connection_.Root(), connection_.atom(Atom::NetActiveWindow), 1);
  connection_.CountRoundTrip();
  BatchErrors errors;
  auto reply = Take(c, cookie, errors);
  errors.ThrowIfAny();
  if (!reply || reply->type != XCB_ATOM_WINDOW) return 0;
  return FirstCardinal(reply.get());
}

WindowFacts WindowFactsReader::Read(xcb_window_t window) {
  WindowFacts facts;
  xcb_connection_t* c = connection_.get();
  if (window == 0) return facts;
  const xcb_window_t root = connection_.Root();
  // Every request first; the replies come back in one wait.
  auto netName = Ask(c, window, connection_.atom(Atom::NetWmName));
  auto name = Ask(c, window, XCB_ATOM_WM_NAME);
  auto wmClass = Ask(c, window, XCB_ATOM_WM_CLASS, 256);
  auto pid = Ask(c, window, connection_.atom(Atom::NetWmPid), 1);
  auto machine = Ask(c, window, XCB_ATOM_WM_CLIENT_MACHINE, 64);
  auto state = Ask(c, window, connection_.atom(Atom::NetWmState), 64);
  auto type = Ask(c, window, connection_.atom(Atom::NetWmWindowType), 64);
  auto extents = Ask(c, window, connection_.atom(Atom::NetFrameExtents), 4);
  auto geometry = xcb_get_geometry(c, window);
  auto origin = xcb_translate_coordinates(c, window, root, 0, 0);
  xcb_randr_get_monitors_cookie_t monitors{};
  if (connection_.HasMonitors()) monitors = xcb_randr_get_monitors(c, root, 1);
  connection_.CountRoundTrip();

  BatchErrors errors;
  auto netNameReply = Take(c, netName, errors);
  auto nameReply = Take(c, name, errors);
  auto classReply = Take(c, wmClass, errors);
  auto pidReply = Take(c, pid, errors);
  auto machineReply = Take(c, machine, errors);
  auto stateReply = Take(c, state, errors);
  auto typeReply = Take(c, type, errors);
  auto extentsReply = Take(c, extents, errors);
  xcb_generic_error_t* error = nullptr;
  auto geometryReply = errors.Checked(xcb_get_geometry_reply(c, geometry, &error), error);
  error = nullptr;
  auto originReply = errors.Checked(xcb_translate_coordinates_reply(c, origin, &error), error);
  Reply<xcb_randr_get_monitors_reply_t> monitorsReply = Own<xcb_randr_get_monitors_reply_t>(nullptr);
  if (connection_.HasMonitors()) {
    error = nullptr;
    monitorsReply = Own(xcb_randr_get_monitors_reply(c, monitors, &error));
    std::free(error);  // no monitor list: the whole screen stands in
  }
  errors.ThrowIfAny();

  facts.exists = geometryReply != nullptr;
  if (!facts.exists) return facts;
  facts.title = TitleOf(connection_, window, netNameReply.get(), nameReply.get(), facts.hasNetName, facts.titleExact);

  const std::string_view classBytes = Bytes(classReply.get());
  const auto firstEnd = classBytes.find('\0');
  if (firstEnd != std::string_view::npos) {
    std::string_view rest = classBytes.substr(firstEnd + 1);
    rest = rest.substr(0, rest.find('\0'));
    facts.className = DecodeTextProperty(IsValidUtf8(rest) ? TextEncoding::Utf8 : TextEncoding::Latin1, rest);
  }

  // A process id names a process of this machine only.
  std::string_view host = Bytes(machineReply.get());
  host = host.substr(0, host.find('\0'));
  if (host.empty() || host == connection_.HostName()) facts.pid = FirstCardinal(pidReply.get());

  facts.fullScreenState = HasAtom(stateReply.get(), connection_.atom(Atom::NetWmStateFullscreen));
  facts.desktopOrDock = HasAtom(typeReply.get(), connection_.atom(Atom::NetWmWindowTypeDesktop)) ||
                        HasAtom(typeReply.get(), connection_.atom(Atom::NetWmWindowTypeDock));

  if (originReply) {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    if (extentsReply && extentsReply->format == 32 && xcb_get_property_value_length(extentsReply.get()) >= 16) {
      const auto* e = static_cast<const std::uint32_t*>(xcb_get_property_value(extentsReply.get()));
      left = static_cast<std::int32_t>(e[0]);
      right = static_cast<std::int32_t>(e[1]);
      top = static_cast<std::int32_t>(e[2]);
      bottom = static_cast<std::int32_t>(e[3]);
    }
    const std::int32_t x = originReply->dst_x;
    const std::int32_t y = originReply->dst_y;
    facts.frame = ScreenRect{x - left, y - top, x + geometryReply->width + right,
                             y + geometryReply->height + bottom};
  }

  if (monitorsReply) {
    auto it = xcb_randr_get_monitors_monitors_iterator(monitorsReply.get());
    for (; it.rem > 0; xcb_randr_monitor_info_next(&it)) {
      facts.monitors.push_back(ScreenRect{it.data->x, it.data->y, it.data->x + it.data->width,
                                          it.data->y + it.data->height});
    }
  }
  if (facts.monitors.empty()) {
    facts.monitors.push_back(ScreenRect{0, 0, connection_.ScreenWidth(), connection_.ScreenHeight()});
  }
  return facts;
}

std::u16string WindowFactsReader::ReadTitle(xcb_window_t window, bool& hasNetName, bool& exact) {
  hasNetName = false;
  exact = true;
  if (window == 0) return {};
  xcb_connection_t* c = connection_.get();
  auto netName = Ask(c, window, connection_.atom(Atom::NetWmName));
  auto name = Ask(c, window, XCB_ATOM_WM_NAME);
  connection_.CountRoundTrip();
  BatchErrors errors;
  auto netNameReply = Take(c, netName, errors);
  auto nameReply = Take(c, name, errors);
  errors.ThrowIfAny();
  return TitleOf(connection_, window, netNameReply.get(), nameReply.get(), hasNetName, exact);
}

void WindowFactsReader::WriteTitle(xcb_window_t window, std::u16string_view text, bool netName) {
  if (window == 0) return;
  xcb_connection_t* c = connection_.get();
  const xcb_atom_t utf8 = connection_.atom(Atom::Utf8String);
  const std::string bytes = ToUtf8(text);
  if (netName) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, connection_.atom(Atom::NetWmName), utf8, 8,
                        static_cast<std::uint32_t>(bytes.size()), bytes.data());
  }
  // WM_NAME for window managers and task bars that know no other: Latin-1 where the text
  // allows it, as ICCCM asks, UTF-8 (which they widely read) otherwise.
  if (IsLatin1(text)) {
    std::string latin1(text.begin(), text.end());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(latin1.size()), latin1.data());
  } else {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, utf8, 8,
                        static_cast<std::uint32_t>(bytes.size()), bytes.data());
  }
  xcb_flush(c);
}

}  // namespace lartsen::x11
