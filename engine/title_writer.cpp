// The title writer: one window at a time carries the stamp, and gets its own title back.
#include "engine/title_writer.h"

#include <optional>
#include <utility>

#include "support/error.h"
#include "template/text_limits.h"

namespace lartsen {

TitleWriter::TitleWriter(WindowPort& windows, TitleFormatter& formatter,
                         StampJournalPort* journal)
    : windows_(windows), formatter_(formatter), journal_(journal) {}

void TitleWriter::ApplyTitle(WindowHandle window) {
  // The stamp exists before anything changes: a template that fails leaves the stamp where it
  // was. No window needs no stamp, so leaving every window works even with a failing template.
  std::optional<std::u16string> stamp;
  if (window != 0) stamp = StampThatFits();

  // The stamp leaves the window that carried it; that window gets its own title back only while
  // it still shows our text, so a title its application set meanwhile is never overwritten.
  const bool moving = StampedWindow != window;
  if (moving) LeaveStampedWindow();

  std::u16string current;
  std::u16string own;
  std::u16string late = undelivered_;  // our texts besides the one written now
  bool adopted = false;
  if (window != 0) {
    current = windows_.GetWindowText(window);
    const std::size_t pendingBefore = pending_.Entries().size();
    // A window still showing our last write keeps its remembered own title, and so does one
    // that comes back while its restore is pending; any other text is the application's own
    // (new foreground window, or a retitle since the last call).
    if (!moving && ShowsOurText(current)) {
      own = OriginalTitle;
    } else if (auto taken = moving ? pending_.Take(window, current) : std::nullopt) {
      own = std::move(taken->OwnTitle);
      late = current == taken->Shown ? std::move(taken->Late) : std::move(taken->Shown);
    } else {
      own = current;
      adopted = true;
    }
    if (pending_.Entries().size() != pendingBefore) journalStale_ = true;
    if (!stamp || own.size() + 1 + stamp->size() > kMaxStampedTitleLength) {
      // Too long to stamp: the window keeps, or gets back, its own title and no window carries
      // the stamp; no error every tick.
      if (!adopted) {
        StampedWindow = window;
        OriginalTitle = std::move(own);
        StampedTitle = current;
        undelivered_ = std::move(late);
      }
      LeaveStampedWindow();
      window = 0;
    }
  }
  if (pending_.RetryAll(windows_)) journalStale_ = true;

  std::u16string text;
  if (window != 0) {
    text.reserve(own.size() + 1 + stamp->size());
    text.append(own).append(1, u' ').append(*stamp);
    if (moving || adopted) journalStale_ = true;
  }

  // Recorded before the write: a process ended between the two leaves a record of a window
  // that does not show the stamp, which the next start leaves alone; the other order would
  // leave a stamped window that no record names.
  if (journal_ != nullptr && journalStale_) {
    std::optional<StampRecord> stamped;
    if (window != 0) stamped = StampRecord{window, windows_.GetWindowProcessId(window), own, text};
    journalStale_ = !UpdateJournal(stamped);
  } else {
    journalStale_ = false;
  }
  if (window == 0) return;  // nothing to write: the fields were emptied when the stamp left

  // Written only when it differs from what the window shows: a stamp that changes once a
  // second costs the window's application, the shell and the window manager one repaint a
  // second, whatever the rate. A window too busy to take the text within the bounded wait
  // keeps showing `current`; remember that as our text, or the next call would take our older
  // stamp for a title the application set and stamp it a second time. The text that was not
  // taken may still arrive once the window wakes, so it counts as ours too.
  const bool taken = current == text || windows_.TrySetWindowText(window, text);
  OriginalTitle = std::move(own);
  if (taken) {
    StampedTitle = std::move(text);
    undelivered_ = std::move(late);
  } else {
    StampedTitle = std::move(current);
    undelivered_ = std::move(text);
  }
  StampedWindow = window;
}

std::optional<std::u16string> TitleWriter::StampThatFits() {
  try {
    return formatter_.FormatTitle(std::nullopt, std::nullopt, std::nullopt);
  } catch (const Error& e) {
    if (e.status() != status::kTooLong) throw;
    return std::nullopt;
  }
}

void TitleWriter::LeaveStampedWindow() {
  if (StampedWindow != 0) {
    const std::u16string current = windows_.GetWindowText(StampedWindow);
    if (ShowsOurText(current) && !windows_.TrySetWindowText(StampedWindow, OriginalTitle)) {
      // Hung, or too slow to answer: its title stays stamped until a later call gets through.
      // Whichever of our texts it does not show now may still arrive.
      pending_.Add(PendingRestore{StampedWindow, windows_.GetWindowProcessId(StampedWindow), OriginalTitle,
                                  current, current == StampedTitle ? undelivered_ : StampedTitle});
    }
    journalStale_ = true;
  }
  OriginalTitle.clear();
  StampedTitle.clear();
  undelivered_.clear();
  StampedWindow = 0;
}

void TitleWriter::RestoreLeftStamp() {
  if (journal_ == nullptr) return;
  // A template that cannot be expanded leaves the text written last as the only pattern.
  std::u16string fresh;
  try {
    fresh = formatter_.FormatTitle(std::nullopt, std::nullopt, std::nullopt);
  } catch (const Error&) {
  }
  for (const StampRecord& record : journal_->Read()) {
    // A handle may have been given to a new window since; the process tells them apart.
    if (windows_.GetWindowProcessId(record.Window) != record.ProcessId) continue;
    std::u16string shown = windows_.GetWindowText(record.Window);
    if (ShowsStampOf(shown, record, fresh) && !windows_.TrySetWindowText(record.Window, record.OwnTitle)) {
      pending_.Add(PendingRestore{record.Window, record.ProcessId, record.OwnTitle, std::move(shown), {}});
    }
  }
  if (pending_.empty()) {
    journal_->Clear();
  } else if (!UpdateJournal(std::nullopt)) {
    journalStale_ = true;
  }
}

void TitleWriter::FinishRestores() noexcept {
  if (pending_.LastTry(windows_)) journalStale_ = true;
  if (journal_ != nullptr && journalStale_) journalStale_ = !UpdateJournal(std::nullopt);
}

bool TitleWriter::UpdateJournal(const std::optional<StampRecord>& stamped) noexcept {
  try {
    StampRecords records;
    if (stamped) records.push_back(*stamped);
    for (const PendingRestore& restore : pending_.Entries()) {
      records.push_back(StampRecord{restore.Window, restore.ProcessId, restore.OwnTitle, restore.Shown});
    }
    if (records.empty()) {
      journal_->Clear();
    } else {
      journal_->Record(records);
    }
    return true;
  } catch (...) {
    return false;
  }
}

bool TitleWriter::ShowsOurText(const std::u16string& current) const {
  return current == StampedTitle || (!undelivered_.empty() && current == undelivered_);
}

}  // namespace lartsen
