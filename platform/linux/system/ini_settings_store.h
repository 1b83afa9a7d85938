// The settings store on Linux: "Key=Value" lines in a UTF-8 INI file under the XDG folder.
#pragma once

#include <string>

#include "settings/settings_store.h"
#include "support/ui_text.h"

namespace lartsen {

inline constexpr const char* kSettingsFileName = "Settings.INI";

// The empty section holds its keys before any "[section]" line. A number reads back as a
// number when the whole value is one, else as text (which the settings then refuse).
// Each write replaces the file whole (temporary file, fsync, rename, fsync of the folder), keeps
// its mode (a new file gets 0600) and writes through a symbolic link to its target. A file that
// exists but cannot be read is never written: the call throws, naming the file and the reason.
class IniSettingsStore final : public SettingsStorePort {
 public:
  // A failure is described in `language`.
  explicit IniSettingsStore(std::string path, UiLanguage language = UiLanguage::Russian);

  SettingValue ReadSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                           const SettingValue& defaultValue) override;
  void WriteSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                    const SettingValue& value) override;
  // Takes the key's line out of the file; false (and no write) when there is none.
  bool RemoveSetting(std::u16string_view section, std::u16string_view key);

 private:
  std::string path_;
  UiLanguage language_;
};

// $XDG_CONFIG_HOME/Nerrowind/Ларцен/Settings.INI
std::string DefaultSettingsPath();

}  // namespace lartsen
