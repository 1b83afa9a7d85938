// The title writer: one window at a time carries the stamp, and gets its own title back.
#pragma once

#include <optional>
#include <string>

#include "engine/stamp_journal.h"
#include "support/types.h"
#include "support/window_port.h"
#include "template/title_format.h"

namespace lartsen {

class TitleWriter {
 public:
  // With a journal, the window that carries the stamp is recorded there whenever the stamp
  // moves or its own title is adopted anew (never when only the stamp is refreshed), before
  // the stamp is written; the record is cleared once the stamp has left every window.
  TitleWriter(WindowPort& windows, TitleFormatter& formatter, StampJournalPort* journal = nullptr);

  // Stamps `window` (0: no window), restoring the window stamped before when it changes.
  // Throws Error from the title services or the template; the fields keep what they reached.
  // A journal that cannot be written does not stop the stamping: it is tried again next call.
  // When the stamp, or the window's title with it, would pass its bound (text_limits.h), the
  // window is left with its own title and no window carries the stamp.
  void ApplyTitle(WindowHandle window);

  std::u16string OriginalTitle;  // own title of StampedWindow
  std::u16string StampedTitle;   // the text written last to StampedWindow (or, when the window
                                 // did not answer in time, the text it kept showing)
  WindowHandle StampedWindow = 0;

 private:
  // True when `current` is text this writer put on StampedWindow.
  bool ShowsOurText(const std::u16string& current) const;
  // The stamp for OriginalTitle, or nothing when it or the stamped title would be too long.
  std::optional<std::u16string> StampThatFits();
  // Gives `window` its own title back when it shows our text, and leaves every window unstamped.
  void StandAside(WindowHandle window, WindowHandle previous, bool adopted);
  // Records `window` with the fields (clears the record for 0); false when the store failed.
  bool UpdateJournal(WindowHandle window) noexcept;

  WindowPort& windows_;
  TitleFormatter& formatter_;
  std::u16string undelivered_;  // a write StampedWindow did not take in time; it may come late
  StampJournalPort* journal_;
  bool journalStale_ = false;   // the journal does not yet describe the fields
};

}  // namespace lartsen
