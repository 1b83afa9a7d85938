// The journal of the stamped window: what a later start needs to give it its own title back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"
#include "support/types.h"

namespace lartsen {

// A window that carries our stamp, as the title writer last described it: the stamped window,
// or one whose restore it did not take yet.
struct StampRecord {
  WindowHandle Window = 0;
  std::uint32_t ProcessId = 0;  // of the window's owner; 0 when the platform cannot tell
  std::u16string OwnTitle;      // the title the window had before the stamp
  std::u16string WrittenTitle;  // own title, one blank, the stamp: the text written last
  bool operator==(const StampRecord&) const = default;
};

using StampRecords = std::vector<StampRecord>;

// A record that outlives the process, so that a process ended without warning leaves behind
// which windows still carry its stamp. Every call throws Error when the store fails.
class StampJournalPort {
 public:
  virtual ~StampJournalPort() = default;
  // Replaces the whole record; `records` is never empty (Clear is).
  virtual void Record(const StampRecords& records) = 0;
  virtual void Clear() = 0;
  // The records left behind; none also for a record that cannot be understood.
  virtual StampRecords Read() = 0;
};

// The records as one text, so that any store replaces them in one write and they are never
// seen half old, half new: for each, "<window> <process> <own title length> <written length> "
// followed by the own title and the written text. No records: the empty text.
std::u16string EncodeStampRecords(const StampRecords& records);
// Nothing unless the whole text is records as written by EncodeStampRecords, none of window 0.
std::optional<StampRecords> DecodeStampRecords(std::u16string_view text);

// Name of the journal's one value in the settings section "", beside the three settings.
inline constexpr std::u16string_view kStampJournalKey = u"Stamped Window";

// The journal kept in the settings store as one text value. Clearing writes the empty text.
class StoredStampJournal : public StampJournalPort {
 public:
  explicit StoredStampJournal(SettingsStoreFactory makeStore);
  void Record(const StampRecords& records) override;
  void Clear() override;
  StampRecords Read() override;

 private:
  SettingsStoreFactory makeStore_;
};

// True when `shown` is the record's own title, one blank and a stamp of the same template: the
// stamp written last, or another expansion of it (a later refresh before the process ended, or
// `freshStamp`, the template expanded now). Two stamps count as expansions of one template when
// they differ only in their numbers (runs of digits, with the separators inside them) and their
// words (runs of letters: AM/PM, day and month names, size units), each of any length; any
// other text is the application's own.
bool ShowsStampOf(std::u16string_view shown, const StampRecord& record,
                  std::u16string_view freshStamp);

}  // namespace lartsen
