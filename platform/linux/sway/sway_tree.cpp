// A walk over sway's get_tree reply: tiled and floating nodes, views told apart by their shell.
#include "platform/linux/sway/sway_tree.h"

#include "support/text.h"

namespace lartsen::sway {
namespace {

std::u16string TextOf(const nlohmann::json& node, const char* key) {
  const auto it = node.find(key);
  if (it == node.end() || !it->is_string()) return {};
  return FromUtf8(it->get_ref<const std::string&>());
}

template <typename Match>
const nlohmann::json* FindNode(const nlohmann::json& node, const Match& match) {
  if (!node.is_object()) return nullptr;
  if (match(node)) return &node;
  for (const char* children : {"nodes", "floating_nodes"}) {
    const auto it = node.find(children);
    if (it == node.end() || !it->is_array()) continue;
    for (const auto& child : *it) {
      if (const nlohmann::json* found = FindNode(child, match)) return found;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<ViewFacts> ViewOf(const nlohmann::json& node) {
  // Only views carry a shell (xdg_shell or xwayland); split containers and workspaces do not.
  if (!node.is_object() || !node.contains("shell")) return std::nullopt;
  ViewFacts facts;
  facts.id = node.value("id", std::int64_t{0});
  facts.title = TextOf(node, "name");
  facts.className = TextOf(node, "app_id");
  if (facts.className.empty()) {
    if (const auto props = node.find("window_properties"); props != node.end() && props->is_object()) {
      facts.className = TextOf(*props, "class");
    }
  }
  if (const auto pid = node.find("pid"); pid != node.end() && pid->is_number_integer() && pid->get<std::int64_t>() > 0) {
    facts.pid = static_cast<std::uint32_t>(pid->get<std::int64_t>());
  }
  if (const auto mode = node.find("fullscreen_mode"); mode != node.end() && mode->is_number()) {
    facts.fullScreen = mode->get<double>() != 0;
  }
  return facts;
}

std::optional<ViewFacts> FocusedView(const nlohmann::json& tree) {
  const nlohmann::json* focused = FindNode(tree, [](const nlohmann::json& node) {
    const auto it = node.find("focused");
    return it != node.end() && it->is_boolean() && it->get<bool>();
  });
  return focused ? ViewOf(*focused) : std::nullopt;
}

std::optional<ViewFacts> FindView(const nlohmann::json& tree, std::int64_t id) {
  const nlohmann::json* found = FindNode(tree, [id](const nlohmann::json& node) {
    const auto it = node.find("id");
    return it != node.end() && it->is_number_integer() && it->get<std::int64_t>() == id;
  });
  return found ? ViewOf(*found) : std::nullopt;
}

}  // namespace lartsen::sway
