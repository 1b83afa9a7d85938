// The settings store in the user's registry: text as REG_SZ, numbers as REG_DWORD.
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace lartsen::win32 {

// HKEY_CURRENT_USER\Software\Nerrowind\Ларцен; the empty section is that key itself.
inline constexpr std::u16string_view kSettingsKeyPath = u"Software\\Nerrowind\\Ларцен";

class RegistrySettingsStore : public SettingsStorePort {
 public:
  // `keyPath` lies below HKEY_CURRENT_USER.
  explicit RegistrySettingsStore(std::u16string keyPath = std::u16string(kSettingsKeyPath));

  // A missing key or value gives `defaultValue`; a value of another type than the kind asks
  // for is a failed read, except a number stored as text, which comes back as that text. Text
  // beyond 256 KiB is a failed read too.
  SettingValue ReadSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                           const SettingValue& defaultValue) override;
  void WriteSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                    const SettingValue& value) override;

 private:
  std::wstring SectionPath(std::u16string_view section) const;
  std::u16string keyPath_;
};

}  // namespace lartsen::win32
