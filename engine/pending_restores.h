// Restores a window did not take (it was hung, or the write timed out), kept to be tried again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/types.h"
#include "support/window_port.h"

namespace lartsen {

// A window that still shows our text and is owed its own title.
struct PendingRestore {
  WindowHandle Window = 0;
  std::uint32_t ProcessId = 0;  // of the window's owner when the restore was refused
  std::u16string OwnTitle;      // the title to give back
  std::u16string Shown;         // our text the window showed
  std::u16string Late;          // a stamp that was not taken in time and may still arrive; or empty
  bool operator==(const PendingRestore&) const = default;

  // True when `text` is one of our texts on this window: Shown, Late, or another stamp of the
  // same template after the own title. A window that wakes takes every stamp that waited for
  // it, one after another; each of them is ours.
  bool IsOurs(std::u16string_view text) const;
};

// A short list, one entry per window. An entry ends when the window takes its own title, is
// gone, or shows a text that is not ours (its application retitled it): nothing else would make
// a restore safe to drop.
class PendingRestores {
 public:
  // More windows hanging at once than this is beyond any real use; the oldest entry gives way.
  static constexpr std::size_t kMaxCount = 16;

  // Keeps `restore`, replacing an entry of the same window.
  void Add(PendingRestore restore);
  // One try for each entry. Returns true when the list changed. A window whose calls fail keeps
  // its entry for the next try; never throws.
  bool RetryAll(WindowPort& windows);
  // The entry of `window` leaves the list: returned when the window still shows `shown`, one of
  // our texts (the stamp comes back to it), else dropped.
  std::optional<PendingRestore> Take(WindowHandle window, std::u16string_view shown);
  // At the end of the run: each window still showing our text is sent its own title even if it
  // can take it only when it wakes (SetWindowTextWhenAble). Entries it did not take in time stay,
  // for the journal. Returns true when the list changed; never throws.
  bool LastTry(WindowPort& windows);

  bool empty() const { return entries_.empty(); }
  const std::vector<PendingRestore>& Entries() const { return entries_; }

 private:
  std::vector<PendingRestore> entries_;
};

}  // namespace lartsen
