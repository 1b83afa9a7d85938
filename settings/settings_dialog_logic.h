// What the settings dialog does with its texts: validation on Ok, the two previews, sample moments.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/error_reporter.h"
#include "settings/settings.h"
#include "support/clock_port.h"
#include "support/message_port.h"
#include "support/random_port.h"
#include "support/ui_text.h"
#include "template/locale_info.h"

namespace lartsen {

// The Russian text of the rate check; the dialog says it in its own language from the catalog.
inline constexpr std::u16string_view kInvalidRefreshRateMessage =
    u"Вы ввели неправильное значение частоты обновления.";
inline constexpr std::u16string_view kPreviewSeparator = u"\r\n\r\n";
inline constexpr int kSampleCount = 5;

// "Частота обновления должна лежать в интервале от 1 до 60000."
std::u16string RefreshRateRangeMessage(UiLanguage language = UiLanguage::Russian);

// The refusals of a time format or template longer than its bound, and of a template whose
// stamp would be longer than a title may carry.
std::u16string TimeFormatTooLongMessage(UiLanguage language = UiLanguage::Russian);
std::u16string TitlePatternTooLongMessage(UiLanguage language = UiLanguage::Russian);
std::u16string StampTooLongMessage(UiLanguage language = UiLanguage::Russian);

// The refresh rate as the user typed it, read under the locale: blanks around the number
// allowed, an optional sign, the locale's decimal separator; a fractional part is rounded to
// the nearest integer, halves to even. Nothing for empty text, no number, or beyond 32 bits.
std::optional<std::int32_t> ParseRefreshRate(std::u16string_view text, const LocaleInfo& locale);

// The three text boxes of the dialog.
struct SettingsDialogTexts {
  std::u16string RefreshRate;
  std::u16string TitlePattern;
  std::u16string TimeFormat;
};

enum class DialogField { None, RefreshRate, TitlePattern, TimeFormat };

class SettingsDialogLogic {
 public:
  // FormatDateTime under the user's locale; throws Error on an unusable format.
  using TimeFormatFunction = std::function<std::u16string(double moment, std::u16string_view format)>;
  // FormatTitle with all three arguments given; throws Error.
  using TitleFormatFunction = std::function<std::u16string(
      const std::u16string& pattern, double moment, const std::u16string& timeFormat)>;
  // SaveSettings into the store; throws Error.
  using SaveFunction = std::function<void(const Settings&)>;

  SettingsDialogLogic(Settings& settings, const LocaleInfo& locale, ClockPort& clock,
                      RandomPort& random, MessagePort& messages, ErrorReporter& reporter,
                      TimeFormatFunction formatTime, TitleFormatFunction formatTitle,
                      SaveFunction save, UiLanguage language = UiLanguage::Russian);

  // Load: the texts the boxes start with.
  SettingsDialogTexts InitialTexts() const;

  struct OkOutcome {
    bool Close = false;                      // the dialog closes
    DialogField Focus = DialogField::None;   // the field that gets the focus when it stays open
  };
  // Validates; on success writes the globals, saves and closes. A failure to save is shown with
  // the store's reason, the globals keep their previous values and the dialog stays open.
  OkOutcome Confirm(const SettingsDialogTexts& texts);

  // Both previews show five samples in an information box, or report the failure under their
  // heading; neither changes a global or the store. The field that gets the focus back is returned.
  DialogField ShowTimeFormatPreview(const std::u16string& timeFormat);
  DialogField ShowTitlePatternPreview(const std::u16string& titlePattern,
                                           const std::u16string& timeFormat);

  // The preview texts themselves; throw Error.
  std::u16string TimeFormatPreview(const std::u16string& timeFormat);
  std::u16string TitlePatternPreview(const std::u16string& titlePattern, const std::u16string& timeFormat);

  // Index 0: now. Others: a random moment, drawn year 1950..2030, month, hour, minute,
  // day 1..28, second, in that order.
  double GetSampleDate(int Index);

 private:
  Settings& settings_;
  const LocaleInfo& locale_;
  ClockPort& clock_;
  RandomPort& random_;
  MessagePort& messages_;
  ErrorReporter& reporter_;
  TimeFormatFunction formatTime_;
  TitleFormatFunction formatTitle_;
  SaveFunction save_;
  UiLanguage language_;
};

}  // namespace lartsen
