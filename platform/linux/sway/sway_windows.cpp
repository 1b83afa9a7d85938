// Window port calls answered from sway's tree; writes become title_format commands.
#include "platform/linux/sway/sway_windows.h"

#include <vector>

#include "platform/linux/sway/title_format_command.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen::sway {
namespace {

std::int64_t ToId(WindowHandle window) { return static_cast<std::int64_t>(window); }

}  // namespace

const nlohmann::json& SwayWindows::Tree() {
  if (inTick_ || followsEvents_) {
    if (!tree_) tree_ = sway_.Tree();
    return *tree_;
  }
  scratch_ = sway_.Tree();
  return scratch_;
}

std::optional<ViewFacts> SwayWindows::Facts(WindowHandle window) {
  if (window == 0) return std::nullopt;
  const nlohmann::json& tree = Tree();
  if (!tree_) return FindView(tree, ToId(window));
  auto it = looked_.find(window);
  if (it == looked_.end()) it = looked_.emplace(window, FindView(tree, ToId(window))).first;
  return it->second;
}

WindowHandle SwayWindows::GetForegroundWindow() {
  const nlohmann::json& tree = Tree();
  std::optional<ViewFacts> view;
  if (!tree_) {
    view = FocusedView(tree);
  } else {
    auto it = looked_.find(0);
    if (it == looked_.end()) it = looked_.emplace(0, FocusedView(tree)).first;
    view = it->second;
  }
  return view ? static_cast<WindowHandle>(view->id) : 0;
}

std::u16string SwayWindows::GetWindowText(WindowHandle window) {
  const auto facts = Facts(window);
  const auto format = formatted_.find(window);
  if (!facts) {
    if (format != formatted_.end()) {
      formatted_.erase(format);
      RecordJournal();
    }
    return {};
  }
  if (format == formatted_.end()) return facts->title;
  if (format->second.ownTitle == facts->title) return facts->title + format->second.suffix;
  // The application set a new title: it replaces our text.
  WriteFormat(window, {});
  return facts->title;
}

void SwayWindows::SetWindowText(WindowHandle window, std::u16string_view text) {
  const auto facts = Facts(window);
  if (!facts) return;
  // Only text after the window's own title can be shown; any other text (an own title it had
  // before) means its own title alone.
  std::u16string suffix;
  if (text.starts_with(facts->title)) suffix = text.substr(facts->title.size());
  const auto format = formatted_.find(window);
  const std::u16string& shown = format == formatted_.end() ? std::u16string() : format->second.suffix;
  if (suffix != shown) WriteFormat(window, suffix);
  if (auto it = formatted_.find(window); it != formatted_.end()) it->second.ownTitle = facts->title;
}

void SwayWindows::WriteFormat(WindowHandle window, const std::u16string& suffix) {
  const bool known = formatted_.contains(window);
  if (!suffix.empty() && !known) {
    formatted_[window] = Format{};
    RecordJournal();  // before the command: a run killed in between leaves no format unnamed
  }
  ++commandsSent_;
  const bool done = sway_.Command(TitleFormatCommand(ToId(window), suffix, pangoMarkup_));
  if (!done) {
    TreeChanged();
    const bool gone = !FindView(sway_.Tree(), ToId(window));
    if (!gone) throw Error(status::kFail, u"sway: title_format refused for container " +
                                              FromUtf8(std::to_string(window)));
    formatted_.erase(window);
    RecordJournal();
    return;
  }
  if (suffix.empty()) {
    formatted_.erase(window);
    if (known) RecordJournal();
  } else {
    formatted_[window].suffix = suffix;
  }
}

void SwayWindows::RecordJournal() {
  std::vector<std::int64_t> containers;
  for (const auto& [window, format] : formatted_) containers.push_back(ToId(window));
  journal_.Record(containers);
}

void SwayWindows::ResetAll() noexcept {
  for (const auto& [window, format] : formatted_) {
    try {
      ++commandsSent_;
      sway_.Command(TitleFormatCommand(ToId(window), {}, false));
    } catch (...) {
    }
  }
  formatted_.clear();
  try {
    journal_.Record({});
  } catch (...) {
  }
}

std::u16string SwayWindows::GetWindowClassName(WindowHandle window) {
  const auto facts = Facts(window);
  return facts ? facts->className : std::u16string();
}

std::uint32_t SwayWindows::GetWindowProcessId(WindowHandle window) {
  const auto facts = Facts(window);
  return facts ? facts->pid : 0;
}

}  // namespace lartsen::sway
