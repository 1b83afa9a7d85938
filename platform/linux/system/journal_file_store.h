// The journal of the stamped window in a file of its own under $XDG_RUNTIME_DIR.
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace lartsen {

// Holds the journal's one text value as the core gives it, in UTF-8, mode 0600; the empty text
// takes the file away. The journal describes windows of one X session, so it lives with the
// login (in memory, cleared at logout) and not with the user's settings, which it would
// otherwise rewrite on every switch. Other keys read as their default and are not written.
class JournalFileStore final : public SettingsStorePort {
 public:
  explicit JournalFileStore(std::string path) : path_(std::move(path)) {}

  SettingValue ReadSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                           const SettingValue& defaultValue) override;
  void WriteSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                    const SettingValue& value) override;

 private:
  std::string path_;
};

// $XDG_RUNTIME_DIR/lartsen-<server>.journal: one per X server the user runs the program on.
// Without $XDG_RUNTIME_DIR the program's configuration folder stands in; without that either,
// the path is empty and the store keeps nothing (reads give the default, writes throw).
std::string DefaultJournalPath();

class IniSettingsStore;

// A journal an older version left in the settings file is honoured once: it moves into the
// journal store (unless that holds one already) and its line leaves the settings file. Throws
// Error when either file fails; nothing is lost then.
void MoveJournalOutOfSettings(IniSettingsStore& settings, SettingsStorePort& journal);

}  // namespace lartsen
