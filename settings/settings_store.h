// Moving the three settings between the settings store and the program's Settings record.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"
#include "support/ui_text.h"

namespace lartsen {

inline constexpr std::u16string_view kTimeFormatKey = u"Time Format";
inline constexpr std::u16string_view kTitlePatternKey = u"Tittle Pattern";  // spelled so in every store
inline constexpr std::u16string_view kRefreshRateKey = u"Refresh Rate";
// "ru" or "en"; empty (or absent) lets the system's interface language decide.
inline constexpr std::u16string_view kLanguageKey = u"Language";

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

// Creates one store instance; throws Error when the store cannot be opened.
using SettingsStoreFactory = std::function<std::unique_ptr<SettingsStorePort>()>;

// The same, on a store instance of its own that lives for this call only.
void SaveSettings(const Settings& settings, const SettingsStoreFactory& makeStore);

// The refresh timer as the settings see it: re-armed after every load.
class RefreshTimerPort {
 public:
  virtual ~RefreshTimerPort() = default;
  virtual void Disable() = 0;
  virtual void SetInterval(std::int32_t milliseconds) = 0;
  virtual void Enable() = 0;
};

// Formats the current time with a candidate format and discards the text; throws when the
// format cannot format it.
using TimeFormatTrial = std::function<void(std::u16string_view format)>;

// Reads the three settings into `settings`, validates them and re-arms the timer. Every step
// that fails is skipped: a bad or unreadable time format gives "ttttt", an unreadable template
// or rate keeps its previous value, a rate outside 1..60000 gives 1000. Never throws.
void LoadSettings(Settings& settings, const SettingsStoreFactory& makeStore,
                  const TimeFormatTrial& tryTimeFormat, RefreshTimerPort& timer) noexcept;

// The language the user chose in the settings; nothing when the value is empty, unknown,
// absent or unreadable. Never throws.
std::optional<UiLanguage> ReadLanguageSetting(const SettingsStoreFactory& makeStore) noexcept;

// The language the program speaks: the user's choice, or else the system's.
UiLanguage ChooseUiLanguage(const SettingsStoreFactory& makeStore, UiLanguage system) noexcept;

// Conversions of stored values as the settings need them; both throw Error (type mismatch or
// overflow) when the value cannot be converted.
std::u16string SettingToText(const SettingValue& value);
// Fractions round to the nearest integer, halves to even; text must hold a number.
std::int32_t SettingToInt32(const SettingValue& value);

}  // namespace lartsen
