// The window port under sway: facts from the tree, our text shown through each title_format.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/linux/sway/format_journal.h"
#include "platform/linux/sway/sway_ipc.h"
#include "platform/linux/sway/sway_tree.h"
#include "support/window_port.h"

namespace lartsen::sway {

// Window handles are container ids. sway lets no client change another's title, but draws each
// title bar from a format: the title a window shows here is its own title (`name`) followed by
// the text this program put in its format. A write keeps "%title" at the front, so the
// application's later titles show at once, and sends a command only when that text changes.
// When the application retitles a window that shows our text, its new title replaces our text,
// as a retitle does on X11: the format goes back to "%title".
// Every formatted container is in the journal before its command is sent, and stays there until
// its format is "%title" again.
class SwayWindows : public WindowPort {
 public:
  SwayWindows(SwayRequests& sway, FormatJournal& journal, bool pangoMarkup)
      : sway_(sway), journal_(journal), pangoMarkup_(pangoMarkup) {}

  WindowHandle GetForegroundWindow() override;
  std::u16string GetWindowText(WindowHandle window) override;
  void SetWindowText(WindowHandle window, std::u16string_view text) override;
  std::u16string GetWindowClassName(WindowHandle window) override;
  std::uint32_t GetWindowProcessId(WindowHandle window) override;

  // The facts of a view; nothing for 0 and for a container that is gone.
  std::optional<ViewFacts> Facts(WindowHandle window);
  // Every container we formatted gets "%title" back; the journal is emptied. Never throws.
  void ResetAll() noexcept;
  // True when `window` shows our text after `ownTitle`, so a title event with that name is the
  // echo of our own format.
  bool ShowsOurFormat(WindowHandle window, const std::u16string& ownTitle) const {
    const auto it = formatted_.find(window);
    return it != formatted_.end() && it->second.ownTitle == ownTitle;
  }
  // Commands sent so far (title_format writes and resets).
  std::uint64_t CommandsSent() const { return commandsSent_; }

  // From now on the tree read last is kept until TreeChanged: the window events of a watch tell
  // when it changes, so a tick in which nothing changed asks sway nothing.
  void FollowEvents() {
    followsEvents_ = true;
    TreeChanged();
  }
  void TreeChanged() {
    tree_.reset();
    looked_.clear();
  }

  // Within a tick the tree is read once (our title formats are not part of it).
  class TickScope {
   public:
    explicit TickScope(SwayWindows& windows) : windows_(windows) { windows_.inTick_ = true; }
    ~TickScope() {
      windows_.inTick_ = false;
      if (!windows_.followsEvents_) windows_.TreeChanged();
    }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

   private:
    SwayWindows& windows_;
  };

 private:
  struct Format {
    std::u16string ownTitle;  // `name` when the format was written
    std::u16string suffix;    // our text after "%title"
  };

  const nlohmann::json& Tree();
  // Sends the format; `suffix` empty gives "%title". A container that vanished meanwhile is no
  // failure; any other refusal throws Error.
  void WriteFormat(WindowHandle window, const std::u16string& suffix);
  void RecordJournal();

  SwayRequests& sway_;
  FormatJournal& journal_;
  bool pangoMarkup_;
  bool inTick_ = false;
  bool followsEvents_ = false;
  std::optional<nlohmann::json> tree_;
  // The views looked up in tree_ so far (0: the focused one), each walked for once.
  std::map<WindowHandle, std::optional<ViewFacts>> looked_;
  nlohmann::json scratch_;
  std::map<WindowHandle, Format> formatted_;
  std::uint64_t commandsSent_ = 0;
};

}  // namespace lartsen::sway
