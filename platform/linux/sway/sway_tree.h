// What sway's tree tells about its windows (views): the focused one and the facts of each.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace lartsen::sway {

struct ViewFacts {
  std::int64_t id = 0;          // the container id (con_id)
  std::u16string title;         // `name`: the title its application set
  std::u16string className;     // `app_id` of a Wayland window, the X11 class of an XWayland one
  std::uint32_t pid = 0;        // the owner's process id; 0 when sway does not tell
  bool fullScreen = false;      // `fullscreen_mode` other than 0
};

// The focused view; nothing when the focus is on a workspace or an output.
std::optional<ViewFacts> FocusedView(const nlohmann::json& tree);
// The view with container id `id`; nothing when it is gone (or is not a view).
std::optional<ViewFacts> FindView(const nlohmann::json& tree, std::int64_t id);
// The facts of one node that is a view; nothing for any other node.
std::optional<ViewFacts> ViewOf(const nlohmann::json& node);

}  // namespace lartsen::sway
