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
  // The stamp leaves the window that carried it; that window gets its own title back only while
  // it still shows our text, so a title its application set meanwhile is never overwritten.
  const WindowHandle previous = StampedWindow;
  const bool moving = previous != window;
  if (moving) {
    if (ShowsOurText(windows_.GetWindowText(StampedWindow))) {
      windows_.SetWindowText(StampedWindow, OriginalTitle);
    }
    OriginalTitle.clear();
    StampedTitle.clear();
    undelivered_.clear();
  }

  const std::u16string current = windows_.GetWindowText(window);
  // A window still showing our last write keeps its remembered own title; any other text is
  // the application's own (new foreground window, or a retitle since the last call).
  const bool adopted = !(StampedWindow == window && ShowsOurText(current));
  if (adopted) OriginalTitle = current;

  const std::optional<std::u16string> stamp = StampThatFits();
  if (!stamp) {
    StandAside(window, previous, adopted);
    return;
  }
  StampedTitle.clear();
  StampedTitle.reserve(OriginalTitle.size() + 1 + stamp->size());
  StampedTitle.append(OriginalTitle).append(1, u' ').append(*stamp);

  // Recorded before the write: a process ended between the two leaves a record of a window
  // that does not show the stamp, which the next start leaves alone; the other order would
  // leave a stamped window that no record names.
  if (journal_ != nullptr) {
    if (window == 0 ? moving : (moving || adopted)) journalStale_ = true;
    if (journalStale_) journalStale_ = !UpdateJournal(window);
  }

  // Written even when unchanged. A window too busy to take the text within the bounded wait
  // keeps showing `current`; remember that as our text, or the next call would take our older
  // stamp for a title the application set and stamp it a second time. The text that was not
  // taken may still arrive once the window wakes, so it counts as ours too.
  if (!windows_.TrySetWindowText(window, StampedTitle)) {
    undelivered_ = std::move(StampedTitle);
    StampedTitle = current;
  }
  StampedWindow = window;
}

std::optional<std::u16string> TitleWriter::StampThatFits() {
  std::u16string stamp;
  try {
    stamp = formatter_.FormatTitle(std::nullopt, std::nullopt, std::nullopt);
  } catch (const Error& e) {
    if (e.status() != status::kTooLong) throw;
    return std::nullopt;
  }
  if (OriginalTitle.size() + 1 + stamp.size() > kMaxStampedTitleLength) return std::nullopt;
  return stamp;
}

void TitleWriter::StandAside(WindowHandle window, WindowHandle previous, bool adopted) {
  // A window still showing our stamp gets its own title back; one whose title we did not write
  // (or the no-window handle) is not touched at all.
  if (window != 0 && !adopted) windows_.SetWindowText(window, OriginalTitle);
  OriginalTitle.clear();
  StampedTitle.clear();
  undelivered_.clear();
  StampedWindow = 0;
  if (journal_ != nullptr) {
    if (previous != 0) journalStale_ = true;
    if (journalStale_) journalStale_ = !UpdateJournal(0);
  }
}

bool TitleWriter::UpdateJournal(WindowHandle window) noexcept {
  try {
    if (window == 0) {
      journal_->Clear();
    } else {
      journal_->Record(
          StampRecord{window, windows_.GetWindowProcessId(window), OriginalTitle, StampedTitle});
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
