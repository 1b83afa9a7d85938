// The title writer: one window at a time carries the stamp, and gets its own title back.
#pragma once

#include <optional>
#include <string>

#include "engine/pending_restores.h"
#include "engine/stamp_journal.h"
#include "support/types.h"
#include "support/window_port.h"
#include "template/title_format.h"

namespace lartsen {

class TitleWriter {
 public:
  // With a journal, the windows that carry our stamp are recorded there whenever the stamp
  // moves, its own title is adopted anew or a restore is refused or lands (never when only the
  // stamp is refreshed), before the stamp is written; the record is cleared once the stamp has
  // left every window.
  TitleWriter(WindowPort& windows, TitleFormatter& formatter, StampJournalPort* journal = nullptr);

  // Stamps `window` (0: no window), restoring the window stamped before when it changes. A
  // restore the window does not take (hung, or too slow) is tried again at every later call
  // until it lands, the window is gone or shows a title of its own.
  // Throws Error from the title services or the template. The stamp text is made before anything
  // changes, so a template that fails leaves the stamp where it was; the fields change together
  // and always describe one window.
  // A journal that cannot be written does not stop the stamping: it is tried again next call.
  // When the stamp, or the window's title with it, would pass its bound (text_limits.h), the
  // window is left with its own title and no window carries the stamp.
  void ApplyTitle(WindowHandle window);

  // Run once at start, before anything is stamped: the windows the journal names get their own
  // title back when they still exist, belong to the same process and show their own title with
  // our stamp (ShowsStampOf, against the text written last and the template as it expands now).
  // A restore the window does not take yet stays pending; the journal is rewritten to hold only
  // those. Throws Error from the journal or the window services.
  void RestoreLeftStamp();

  // At the end of the run, after ApplyTitle(0): one bounded last try for each pending restore,
  // which a hung window takes when it wakes. Those not taken in time stay in the journal, for
  // the next start. Never throws.
  void FinishRestores() noexcept;

  const PendingRestores& Pending() const { return pending_; }

  std::u16string OriginalTitle;  // own title of StampedWindow
  std::u16string StampedTitle;   // the text written last to StampedWindow (or, when the window
                                 // did not answer in time, the text it kept showing)
  WindowHandle StampedWindow = 0;

 private:
  // True when `current` is text this writer put on StampedWindow.
  bool ShowsOurText(const std::u16string& current) const;
  // The stamp, or nothing when the template expands past its bound.
  std::optional<std::u16string> StampThatFits();
  // Gives StampedWindow its own title back while it shows our text, or keeps the restore
  // pending, and empties the fields.
  void LeaveStampedWindow();
  // Writes the journal: `stamped`, then the pending restores; cleared when that is nothing.
  // False when the store failed.
  bool UpdateJournal(const std::optional<StampRecord>& stamped) noexcept;

  WindowPort& windows_;
  TitleFormatter& formatter_;
  std::u16string undelivered_;  // a write StampedWindow did not take in time; it may come late
  PendingRestores pending_;
  StampJournalPort* journal_;
  bool journalStale_ = false;   // the journal does not yet describe the fields
};

}  // namespace lartsen
