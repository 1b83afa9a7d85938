// The journal of the stamped window: what a later start needs to give it its own title back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"
#include "support/types.h"
#include "support/window_port.h"
#include "template/title_format.h"

namespace lartsen {

// The window that carries the stamp, as the title writer last described it.
struct StampRecord {
  WindowHandle Window = 0;
  std::uint32_t ProcessId = 0;  // of the window's owner; 0 when the platform cannot tell
  std::u16string OwnTitle;      // the title the window had before the stamp
  std::u16string WrittenTitle;  // own title, one blank, the stamp: the text written last
  bool operator==(const StampRecord&) const = default;
};

// A record that outlives the process, so that a process ended without warning leaves behind
// which window still carries its stamp. Every call throws Error when the store fails.
class StampJournalPort {
 public:
  virtual ~StampJournalPort() = default;
  virtual void Record(const StampRecord& record) = 0;
  virtual void Clear() = 0;
  // The record left behind, or nothing (also for a record that cannot be understood).
  virtual std::optional<StampRecord> Read() = 0;
};

// Name of the journal's one value in the settings section "", beside the three settings.
inline constexpr std::u16string_view kStampJournalKey = u"Stamped Window";

// The journal kept in the settings store as one text value, so that a record is replaced in
// one write and is never seen half old, half new: "<window> <process> <own title length> "
// followed by the own title and the written text. Clearing writes the empty text.
class StoredStampJournal : public StampJournalPort {
 public:
  explicit StoredStampJournal(SettingsStoreFactory makeStore);
  void Record(const StampRecord& record) override;
  void Clear() override;
  std::optional<StampRecord> Read() override;

  static std::u16string Encode(const StampRecord& record);
  static std::optional<StampRecord> Decode(std::u16string_view text);

 private:
  SettingsStoreFactory makeStore_;
};

// True when `shown` is the record's own title, one blank and a stamp of the same template: the
// stamp written last, or another expansion of it (a later refresh before the process ended, or
// `freshStamp`, the template expanded now). Two stamps count as expansions of one template when
// they differ only in the length and value of their runs of digits; any other text is the
// application's own.
bool ShowsStampOf(std::u16string_view shown, const StampRecord& record,
                  std::u16string_view freshStamp);

// Run once at start, before anything is stamped: a record left behind by a process that did
// not end in order is examined. Its window gets its own title back only when it still exists,
// belongs to the same process and shows its own title with our stamp (ShowsStampOf); in every
// other case it is left as it is. The record is cleared either way. Throws Error from the
// journal or the window services.
void RestoreLeftStamp(StampJournalPort& journal, WindowPort& windows,
                      std::u16string_view freshStamp);
// The same, with the template as `formatter` expands it now as the fresh stamp; a template
// that cannot be expanded leaves the text written last as the only pattern.
void RestoreLeftStamp(StampJournalPort& journal, WindowPort& windows, TitleFormatter& formatter);

}  // namespace lartsen
