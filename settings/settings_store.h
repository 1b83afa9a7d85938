// Moving the three settings between the settings store and the program's Settings record.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace lartsen {

inline constexpr std::u16string_view kTimeFormatKey = u"Time Format";
inline constexpr std::u16string_view kTitlePatternKey = u"Tittle Pattern";  // spelled so in every store
inline constexpr std::u16string_view kRefreshRateKey = u"Refresh Rate";

enum class SettingKind { Text = 0, Number = 1 };

// A stored value: nothing, a whole number, a fractional number, or text.
using SettingValue = std::variant<std::monostate, std::int32_t, double, std::u16string>;

// The persistent store. Both calls throw Error on a failure status.
class SettingsStorePort {
 public:
  virtual ~SettingsStorePort() = default;
  // The stored value, or `defaultValue` when the key holds nothing.
  virtual SettingValue ReadSetting(std::u16string_view section, std::u16string_view key,
                                   SettingKind kind, const SettingValue& defaultValue) = 0;
  virtual void WriteSetting(std::u16string_view section, std::u16string_view key,
                            SettingKind kind, const SettingValue& value) = 0;
};

// Writes "Time Format", "Refresh Rate", "Tittle Pattern" in that order; the first failure
// throws and leaves the remaining keys unwritten.
void SaveSettings(const Settings& settings, SettingsStorePort& store);

}  // namespace lartsen
