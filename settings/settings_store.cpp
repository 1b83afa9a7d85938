// Loading and saving the three settings: defaults, validation and the timer re-arm after a load.
#include "settings/settings_store.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "support/error.h"
#include "support/text.h"
#include "template/text_limits.h"

namespace lartsen {
namespace {

constexpr std::u16string_view kSection = u"";

std::u16string NumberText(double value) {
  if (std::nearbyint(value) == value && std::fabs(value) < 1e15) {
    return FromUtf8(std::to_string(static_cast<long long>(value)));
  }
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return FromUtf8(buffer);
}

// A decimal number in plain notation ("12", " -3.5 ", "1e3"); nothing else.
std::optional<double> ParseNumber(std::u16string_view text) {
  std::size_t first = text.find_first_not_of(u" \t");
  if (first == std::u16string_view::npos) return std::nullopt;
  std::size_t last = text.find_last_not_of(u" \t");
  std::string ascii;
  bool digit = false;
  for (char16_t c : text.substr(first, last - first + 1)) {
    if (c >= u'0' && c <= u'9') {
      digit = true;
    } else if (c != u'+' && c != u'-' && c != u'.' && c != u'e' && c != u'E') {
      return std::nullopt;
    }
    ascii.push_back(static_cast<char>(c));
  }
  if (!digit) return std::nullopt;
  char* end = nullptr;
  double value = std::strtod(ascii.c_str(), &end);
  if (end != ascii.c_str() + ascii.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::int32_t RoundToInt32(double value) {
  // Halves go to the even neighbour, as the round-to-nearest mode does.
  double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw Error(status::kOverflow, UiText::Overflow);
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::u16string SettingToText(const SettingValue& value) {
  if (const auto* text = std::get_if<std::u16string>(&value)) return *text;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return NumberText(*whole);
  if (const auto* fraction = std::get_if<double>(&value)) return NumberText(*fraction);
  return std::u16string();
}

std::int32_t SettingToInt32(const SettingValue& value) {
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return *whole;
  if (const auto* fraction = std::get_if<double>(&value)) return RoundToInt32(*fraction);
  if (const auto* text = std::get_if<std::u16string>(&value)) {
    if (auto number = ParseNumber(*text)) return RoundToInt32(*number);
  }
  throw Error(status::kTypeMismatch, UiText::TypeMismatch);
}

void SaveSettings(const Settings& settings, SettingsStorePort& store) {
  store.WriteSetting(kSection, kTimeFormatKey, SettingKind::Text, settings.TimeFormat);
  store.WriteSetting(kSection, kRefreshRateKey, SettingKind::Number, settings.RefreshRate);
  store.WriteSetting(kSection, kTitlePatternKey, SettingKind::Text, settings.TitlePattern);
}

void SaveSettings(const Settings& settings, const SettingsStoreFactory& makeStore) {
  std::unique_ptr<SettingsStorePort> store = makeStore();
  SaveSettings(settings, *store);
}

std::optional<UiLanguage> ReadLanguageSetting(const SettingsStoreFactory& makeStore) noexcept {
  try {
    const std::unique_ptr<SettingsStorePort> store = makeStore();
    if (!store) return std::nullopt;
    return LanguageOfSetting(
        SettingToText(store->ReadSetting(kSection, kLanguageKey, SettingKind::Text, std::u16string())));
  } catch (...) {
    return std::nullopt;
  }
}

UiLanguage ChooseUiLanguage(const SettingsStoreFactory& makeStore, UiLanguage system) noexcept {
  return ReadLanguageSetting(makeStore).value_or(system);
}

void LoadSettings(Settings& settings, const SettingsStoreFactory& makeStore,
                  const TimeFormatTrial& tryTimeFormat, RefreshTimerPort& timer) noexcept {
  // One store instance for all three keys; when it cannot be opened every read fails.
  std::unique_ptr<SettingsStorePort> store;
  try {
    store = makeStore();
  } catch (...) {
  }
  auto read = [&](std::u16string_view key, SettingKind kind,
                  const SettingValue& fallback) -> SettingValue {
    if (!store) throw Error(status::kFail, UiText::SettingsStoreUnavailable);
    return store->ReadSetting(kSection, key, kind, fallback);
  };

  // A format longer than the bound is invalid like one that cannot format: it is not even tried.
  bool timeFormatFailed = false;
  std::u16string candidate;
  try {
    candidate = SettingToText(read(kTimeFormatKey, SettingKind::Text,
                                   std::u16string(kDefaultTimeFormat)));
    timeFormatFailed = candidate.size() > kMaxTimeFormatLength;
  } catch (...) {
    timeFormatFailed = true;
  }
  if (!timeFormatFailed) {
    try {
      tryTimeFormat(candidate);
    } catch (...) {
      timeFormatFailed = true;
    }
  }
  settings.TimeFormat = timeFormatFailed ? std::u16string(kDefaultTimeFormat) : candidate;

  // An overlong template, which the dialog would refuse, gives the default one.
  try {
    std::u16string pattern = SettingToText(read(kTitlePatternKey, SettingKind::Text,
                                                std::u16string(kDefaultTitlePattern)));
    settings.TitlePattern = pattern.size() > kMaxTitlePatternLength
                                ? std::u16string(kDefaultTitlePattern)
                                : std::move(pattern);
  } catch (...) {
  }

  try {
    settings.RefreshRate = SettingToInt32(read(kRefreshRateKey, SettingKind::Number,
                                               std::int32_t{kDefaultRefreshRate}));
  } catch (...) {
  }
  if (settings.RefreshRate < kMinRefreshRate || settings.RefreshRate > kMaxRefreshRate) {
    settings.RefreshRate = kDefaultRefreshRate;
  }

  // The countdown restarts on every load, even with an unchanged interval.
  try {
    timer.Disable();
  } catch (...) {
  }
  try {
    timer.SetInterval(settings.RefreshRate);
  } catch (...) {
  }
  try {
    timer.Enable();
  } catch (...) {
  }
}

}  // namespace lartsen
