// The program's selection on the X server and the client messages that carry commands to it.
#include "platform/linux/x11/display_owner.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "support/error.h"

namespace lartsen::x11 {
namespace {

// Named for the program, per server (not per screen): windows of every screen are its concern.
constexpr std::string_view kSelectionName = "_LARTSEN_RUNNING";
constexpr std::string_view kCommandName = "_LARTSEN_COMMAND";

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

xcb_atom_t Intern(xcb_connection_t* c, std::string_view name) {
  std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
  if (!reply) throw Error(status::kFail, UiText::XServerDidNotAnswerAtom);
  return reply->atom;
}

}  // namespace

DisplayOwner::DisplayOwner(Connection& connection) : connection_(connection) {
  xcb_connection_t* c = connection_.get();
  selection_ = Intern(c, kSelectionName);
  command_ = Intern(c, kCommandName);
}

DisplayOwner::~DisplayOwner() {
  if (window_ != 0 && !connection_.HasError()) {
    xcb_destroy_window(connection_.get(), window_);
    xcb_flush(connection_.get());
  }
}

xcb_window_t DisplayOwner::Owner() {
  xcb_connection_t* c = connection_.get();
  std::unique_ptr<xcb_get_selection_owner_reply_t, FreeDeleter> reply(
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection_), nullptr));
  if (!reply) throw Error(status::kFail, UiText::NoXServerConnection);
  return reply->owner;
}

bool DisplayOwner::Claim() {
  xcb_connection_t* c = connection_.get();
  if (window_ == 0) {
    window_ = xcb_generate_id(c);
    const std::uint32_t overrideRedirect = 1;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window_, connection_.Root(), -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
                      &overrideRedirect);
  }
  xcb_grab_server(c);
  const xcb_window_t owner = Owner();
  if (owner == 0) xcb_set_selection_owner(c, window_, selection_, XCB_CURRENT_TIME);
  xcb_ungrab_server(c);
  return owner == 0 && Owner() == window_;
}

bool DisplayOwner::Send(InstanceCommand command) {
  const xcb_window_t owner = Owner();
  if (owner == 0) return false;
  xcb_client_message_event_t message;
  std::memset(&message, 0, sizeof message);
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = owner;
  message.type = command_;
  message.data.data32[0] = static_cast<std::uint32_t>(command);
  // No event mask: the message goes to the program that made the window.
  // Checked: the server has taken the message before this start goes away.
  xcb_generic_error_t* error = xcb_request_check(
      connection_.get(), xcb_send_event_checked(connection_.get(), 0, owner, XCB_EVENT_MASK_NO_EVENT,
                                                reinterpret_cast<const char*>(&message)));
  const bool delivered = error == nullptr;
  std::free(error);
  return delivered;
}

std::vector<InstanceCommand> DisplayOwner::TakeCommands() {
  std::vector<InstanceCommand> commands;
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_.get())) {
    if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
      const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
      if (message->window == window_ && message->type == command_ && message->format == 32) {
        const std::uint32_t which = message->data.data32[0];
        if (which == static_cast<std::uint32_t>(InstanceCommand::OpenSettings) ||
            which == static_cast<std::uint32_t>(InstanceCommand::Quit)) {
          commands.push_back(static_cast<InstanceCommand>(which));
        }
      }
    }
    std::free(event);
  }
  return commands;
}

}  // namespace lartsen::x11
