// Restores a window did not take, tried again at every call until they land or become moot.
#include "engine/pending_restores.h"

#include <algorithm>
#include <utility>

#include "engine/stamp_journal.h"
#include "support/error.h"

namespace lartsen {

bool PendingRestore::IsOurs(std::u16string_view text) const {
  if (text == Shown || (!Late.empty() && text == Late)) return true;
  std::u16string_view late = Late;
  const bool lateHasOwn = late.size() > OwnTitle.size() && late.starts_with(OwnTitle) && late[OwnTitle.size()] == u' ';
  late = lateHasOwn ? late.substr(OwnTitle.size() + 1) : std::u16string_view();
  return ShowsStampOf(text, StampRecord{Window, ProcessId, OwnTitle, Shown}, late);
}

void PendingRestores::Add(PendingRestore restore) {
  std::erase_if(entries_, [&](const PendingRestore& e) { return e.Window == restore.Window; });
  if (entries_.size() >= kMaxCount) entries_.erase(entries_.begin());
  entries_.push_back(std::move(restore));
}

bool PendingRestores::RetryAll(WindowPort& windows) {
  const std::size_t before = entries_.size();
  std::erase_if(entries_, [&](const PendingRestore& e) {
    try {
      // A handle given to another process's window since is not ours to write; a closed window
      // answers 0 here and reads empty below.
      if (windows.GetWindowProcessId(e.Window) != e.ProcessId) return true;
      if (!e.IsOurs(windows.GetWindowText(e.Window))) return true;
      return windows.TrySetWindowText(e.Window, e.OwnTitle);
    } catch (...) {
      return false;
    }
  });
  return entries_.size() != before;
}

bool PendingRestores::LastTry(WindowPort& windows) {
  const std::size_t before = entries_.size();
  std::erase_if(entries_, [&](const PendingRestore& e) {
    try {
      if (windows.GetWindowProcessId(e.Window) != e.ProcessId) return true;
      if (!e.IsOurs(windows.GetWindowText(e.Window))) return true;
      return windows.SetWindowTextWhenAble(e.Window, e.OwnTitle);
    } catch (...) {
      return false;
    }
  });
  return entries_.size() != before;
}

std::optional<PendingRestore> PendingRestores::Take(WindowHandle window, std::u16string_view shown) {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const PendingRestore& e) { return e.Window == window; });
  if (it == entries_.end()) return std::nullopt;
  std::optional<PendingRestore> taken;
  if (it->IsOurs(shown)) taken = std::move(*it);
  entries_.erase(it);
  return taken;
}

}  // namespace lartsen
