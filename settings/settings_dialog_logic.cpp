// What the settings dialog does with its texts: validation on Ok, the two previews, sample moments.
#include "settings/settings_dialog_logic.h"

#include <array>
#include <exception>
#include <string>
#include <vector>

#include "support/ole_date.h"
#include "support/text.h"
#include "template/text_limits.h"

namespace lartsen {
namespace {

std::u16string DecimalText(std::int64_t value) {
  return FromUtf8(std::to_string(value));
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Runs a step that may fail and turns every failure into the Error it reports.
template <typename Step>
std::optional<Error> Attempt(Step&& step) {
  try {
    step();
    return std::nullopt;
  } catch (const Error& e) {
    return e;
  } catch (const std::exception& e) {
    return Error(status::kFail, FromUtf8(e.what()));
  }
}

// A preview of an overlong text is refused as Ok would refuse it, before any formatting.
void CheckPreviewLength(const std::u16string& text, std::size_t most,
                        std::u16string (*message)(UiLanguage), UiLanguage language) {
  if (text.size() > most) throw Error(status::kTooLong, message(language));
}

std::u16string Join(const std::array<std::u16string, kSampleCount>& parts) {
  std::u16string joined;
  for (int i = 0; i < kSampleCount; ++i) {
    if (i > 0) joined += kPreviewSeparator;
    joined += parts[i];
  }
  return joined;
}

}  // namespace

std::u16string RefreshRateRangeMessage(UiLanguage language) {
  return std::u16string(TextOf(UiText::RefreshRateRangeBefore, language)) + DecimalText(kMinRefreshRate) +
         std::u16string(TextOf(UiText::RefreshRateRangeBetween, language)) + DecimalText(kMaxRefreshRate) + u".";
}

namespace {

std::u16string TooLongMessage(UiText before, std::size_t bound, UiLanguage language) {
  return std::u16string(TextOf(before, language)) + DecimalText(static_cast<std::int64_t>(bound)) +
         std::u16string(TextOf(UiText::CharactersAfter, language));
}

}  // namespace

std::u16string TimeFormatTooLongMessage(UiLanguage language) {
  return TooLongMessage(UiText::TimeFormatTooLongBefore, kMaxTimeFormatLength, language);
}

std::u16string TitlePatternTooLongMessage(UiLanguage language) {
  return TooLongMessage(UiText::TitlePatternTooLongBefore, kMaxTitlePatternLength, language);
}

std::u16string StampTooLongMessage(UiLanguage language) {
  return TooLongMessage(UiText::StampTooLongBefore, kMaxStampLength, language);
}

std::optional<std::int32_t> ParseRefreshRate(std::u16string_view text, const LocaleInfo& locale) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  // The whole part, exactly, with a cap well beyond 32 bits so no overflow can happen.
  std::int64_t whole = 0;
  std::size_t wholeDigits = 0;
  while (!text.empty() && IsDigit(text.front())) {
    whole = whole * 10 + (text.front() - u'0');
    if (whole > (std::int64_t{1} << 40)) return std::nullopt;
    ++wholeDigits;
    text.remove_prefix(1);
  }
  // The fractional part decides the rounding: its first digit, and whether anything follows.
  int firstFraction = 0;
  bool restNonZero = false;
  std::size_t fractionDigits = 0;
  const std::u16string_view separator =
      locale.DecimalSeparator.empty() ? std::u16string_view(u".") : std::u16string_view(locale.DecimalSeparator);
  if (text.starts_with(separator)) {
    text.remove_prefix(separator.size());
    while (!text.empty() && IsDigit(text.front())) {
      const int digit = text.front() - u'0';
      if (fractionDigits == 0) firstFraction = digit;
      else if (digit != 0) restNonZero = true;
      ++fractionDigits;
      text.remove_prefix(1);
    }
  }
  if (!text.empty() || wholeDigits + fractionDigits == 0) return std::nullopt;
  if (firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1))) ++whole;
  const std::int64_t value = negative ? -whole : whole;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

SettingsDialogLogic::SettingsDialogLogic(Settings& settings, const LocaleInfo& locale, ClockPort& clock,
                                         RandomPort& random, MessagePort& messages, ErrorReporter& reporter,
                                         TimeFormatFunction formatTime, TitleFormatFunction formatTitle,
                                         SaveFunction save, UiLanguage language)
    : settings_(settings),
      locale_(locale),
      clock_(clock),
      random_(random),
      messages_(messages),
      reporter_(reporter),
      formatTime_(std::move(formatTime)),
      formatTitle_(std::move(formatTitle)),
      save_(std::move(save)),
      language_(language) {}

SettingsDialogTexts SettingsDialogLogic::InitialTexts() const {
  return {DecimalText(settings_.RefreshRate), settings_.TitlePattern, settings_.TimeFormat};
}

SettingsDialogLogic::OkOutcome SettingsDialogLogic::Confirm(const SettingsDialogTexts& texts) {
  const auto rate = ParseRefreshRate(texts.RefreshRate, locale_);
  if (!rate) {
    messages_.ShowMessage(TextOf(UiText::InvalidRefreshRate, language_), message_style::kCritical);
    return {false, DialogField::RefreshRate};
  }
  if (*rate < kMinRefreshRate || *rate > kMaxRefreshRate) {
    messages_.ShowMessage(RefreshRateRangeMessage(language_), message_style::kCritical);
    return {false, DialogField::RefreshRate};
  }
  if (texts.TimeFormat.size() > kMaxTimeFormatLength) {
    messages_.ShowMessage(TimeFormatTooLongMessage(language_), message_style::kCritical);
    return {false, DialogField::TimeFormat};
  }
  const double now = clock_.CurrentSecond();
  if (Attempt([&] { formatTime_(now, texts.TimeFormat); })) {
    messages_.ShowMessage(TextOf(UiText::TimeFormatErrorHeading, language_), message_style::kCritical);
    return {false, DialogField::TimeFormat};
  }
  if (texts.TitlePattern.size() > kMaxTitlePatternLength) {
    messages_.ShowMessage(TitlePatternTooLongMessage(language_), message_style::kCritical);
    return {false, DialogField::TitlePattern};
  }
  // A template of many placeholders may still expand beyond a title's bound; any other failure
  // of the trial (the memory figures) is the tick's business, not the user's input.
  const auto trial = Attempt([&] { formatTitle_(texts.TitlePattern, now, texts.TimeFormat); });
  if (trial && trial->status() == status::kTooLong) {
    messages_.ShowMessage(StampTooLongMessage(language_), message_style::kCritical);
    return {false, DialogField::TitlePattern};
  }
  const Settings previous = settings_;
  settings_.TitlePattern = texts.TitlePattern;
  settings_.TimeFormat = texts.TimeFormat;
  settings_.RefreshRate = *rate;
  // Values that could not be stored would be lost at the next load: the user hears why, keeps
  // the dialog with the texts, and the program keeps what it had.
  if (const auto failure = Attempt([&] { save_(settings_); })) {
    settings_ = previous;
    messages_.ShowMessage(std::u16string(TextOf(UiText::SaveFailedHeading, language_)) + u"\r\n\r\n" + failure->DescriptionIn(language_),
                          message_style::kCritical);
    return {false, DialogField::None};
  }
  return {true, DialogField::None};
}

std::u16string SettingsDialogLogic::TimeFormatPreview(const std::u16string& timeFormat) {
  CheckPreviewLength(timeFormat, kMaxTimeFormatLength, TimeFormatTooLongMessage, language_);
  std::array<std::u16string, kSampleCount> parts;
  for (int i = 0; i < kSampleCount; ++i) parts[i] = formatTime_(GetSampleDate(i), timeFormat);
  return Join(parts);
}

std::u16string SettingsDialogLogic::TitlePatternPreview(const std::u16string& titlePattern,
                                                        const std::u16string& timeFormat) {
  CheckPreviewLength(titlePattern, kMaxTitlePatternLength, TitlePatternTooLongMessage, language_);
  CheckPreviewLength(timeFormat, kMaxTimeFormatLength, TimeFormatTooLongMessage, language_);
  std::array<double, kSampleCount> moments{};
  for (int i = 0; i < kSampleCount; ++i) moments[i] = GetSampleDate(i);
  std::array<std::u16string, kSampleCount> parts;
  for (int i = 0; i < kSampleCount; ++i) parts[i] = formatTitle_(titlePattern, moments[i], timeFormat);
  return Join(parts);
}

DialogField SettingsDialogLogic::ShowTimeFormatPreview(const std::u16string& timeFormat) {
  std::u16string text;
  if (auto error = Attempt([&] { text = TimeFormatPreview(timeFormat); })) {
    reporter_.ReportError(*error, message_style::kCritical, TextOf(UiText::TimeFormatErrorHeading, language_));
  } else {
    messages_.ShowMessage(text, message_style::kInformation);
  }
  return DialogField::TimeFormat;
}

DialogField SettingsDialogLogic::ShowTitlePatternPreview(const std::u16string& titlePattern,
                                                              const std::u16string& timeFormat) {
  std::u16string text;
  if (auto error = Attempt([&] { text = TitlePatternPreview(titlePattern, timeFormat); })) {
    reporter_.ReportError(*error, message_style::kCritical, TextOf(UiText::TitlePatternErrorHeading, language_));
  } else {
    messages_.ShowMessage(text, message_style::kInformation);
  }
  return DialogField::TitlePattern;
}

double SettingsDialogLogic::GetSampleDate(int Index) {
  if (Index == 0) return clock_.CurrentSecond();
  const int year = random_.RandomBetween(1950, 2030);
  const int month = random_.RandomBetween(1, 12);
  const int hour = random_.RandomBetween(0, 23);
  const int minute = random_.RandomBetween(0, 59);
  const int day = random_.RandomBetween(1, 28);
  const int second = random_.RandomBetween(0, 59);
  return CivilToOleDate(year, month, day, hour, minute, second);
}

}  // namespace lartsen
