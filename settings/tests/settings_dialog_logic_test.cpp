// The settings dialog's validation, previews and sample moments, with fake ports.
#include "settings/settings_dialog_logic.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "support/text.h"
#include "support/testing/fake_clock.h"
#include "support/testing/fake_messages.h"
#include "support/testing/fake_random.h"

namespace lartsen {
namespace {


// Hands out the lowest value of each range, plus a scripted offset, and records the bounds asked.
LocaleInfo LocaleWithDecimal(std::u16string separator) {
  LocaleInfo locale;
  locale.DecimalSeparator = std::move(separator);
  return locale;
}

class SettingsDialogLogicTest : public ::testing::Test {
 protected:
  Settings settings{u"ttttt", u"[%time%]", 1000};
  LocaleInfo locale = LocaleWithDecimal(u".");
  testing::FakeClock clock;
  testing::FakeRandom random;
  FakeMessages messages;
  ErrorReporter reporter{messages};
  std::vector<Settings> saved;
  bool saveFails = false;
  SettingsDialogLogic logic{
      settings, locale, clock, random, messages, reporter,
      [](double moment, std::u16string_view format) -> std::u16string {
        if (format == u"bad") throw Error(status::kInvalidArgument, u"Неверный формат");
        return std::u16string(format) + u"@" + FromUtf8(std::to_string(static_cast<long>(moment * 86400)));
      },
      [](const std::u16string& pattern, double moment, const std::u16string& format) -> std::u16string {
        if (format == u"bad") throw Error(status::kInvalidArgument, u"Неверный формат");
        if (pattern == u"huge") throw Error(status::kTooLong, u"long");
        return pattern + u"|" + format + u"@" + FromUtf8(std::to_string(static_cast<long>(moment * 86400)));
      },
      [this](const Settings& s) {
        if (saveFails) throw Error(status::kFail, u"store");
        saved.push_back(s);
      }};
};

TEST(ParseRefreshRate, AcceptsNumbersUnderTheLocale) {
  const LocaleInfo en = LocaleWithDecimal(u".");
  const LocaleInfo ru = LocaleWithDecimal(u",");
  EXPECT_EQ(ParseRefreshRate(u"1", en), 1);
  EXPECT_EQ(ParseRefreshRate(u" 42 ", en), 42);
  EXPECT_EQ(ParseRefreshRate(u"\t+60000", en), 60000);
  EXPECT_EQ(ParseRefreshRate(u"-5", en), -5);
  EXPECT_EQ(ParseRefreshRate(u"2.5", en), 2);   // halves go to even
  EXPECT_EQ(ParseRefreshRate(u"3.5", en), 4);
  EXPECT_EQ(ParseRefreshRate(u"2.51", en), 3);
  EXPECT_EQ(ParseRefreshRate(u"2.4999", en), 2);
  EXPECT_EQ(ParseRefreshRate(u".7", en), 1);
  EXPECT_EQ(ParseRefreshRate(u"2,5", ru), 2);
  EXPECT_EQ(ParseRefreshRate(u"2147483647", en), 2147483647);
  EXPECT_EQ(ParseRefreshRate(u"-2147483648", en), INT32_MIN);
}

TEST(ParseRefreshRate, RejectsWhatIsNoThirtyTwoBitNumber) {
  const LocaleInfo en = LocaleWithDecimal(u".");
  for (const auto* text : {u"", u"   ", u"abc", u"12abc", u"1 2", u"+", u".", u"2,5", u"2147483648",
                           u"-2147483649", u"99999999999999999999999", u"2147483647.5"}) {
    EXPECT_FALSE(ParseRefreshRate(text, en).has_value()) << ToUtf8(text);
  }
}

TEST_F(SettingsDialogLogicTest, RejectedValuesKeepTheDialogOpenAndStoreNothing) {
  struct Case {
    SettingsDialogTexts texts;
    std::u16string message;
    DialogField focus;
  };
  const std::u16string range = u"Частота обновления должна лежать в интервале от 1 до 60000.";
  const std::vector<Case> cases = {
      {{u"", u"x", u"hh"}, std::u16string(kInvalidRefreshRateMessage), DialogField::RefreshRate},
      {{u"abc", u"x", u"hh"}, std::u16string(kInvalidRefreshRateMessage), DialogField::RefreshRate},
      {{u"99999999999", u"x", u"hh"}, std::u16string(kInvalidRefreshRateMessage), DialogField::RefreshRate},
      {{u"0", u"x", u"hh"}, range, DialogField::RefreshRate},
      {{u"60001", u"x", u"hh"}, range, DialogField::RefreshRate},
      {{u"0.4", u"x", u"hh"}, range, DialogField::RefreshRate},
      {{u"500", u"x", u"bad"}, u"Ошибка в формате времени!", DialogField::TimeFormat},
      {{u"500", u"x", std::u16string(2049, u'h')}, u"Формат времени не должен быть длиннее 2048 знаков.",
       DialogField::TimeFormat},
      {{u"500", std::u16string(2049, u'x'), u"hh"}, u"Шаблон заголовка не должен быть длиннее 2048 знаков.",
       DialogField::TitlePattern},
      {{u"500", u"huge", u"hh"}, u"Заголовок по этому шаблону вышел бы длиннее 4096 знаков.",
       DialogField::TitlePattern},
  };
  for (const auto& c : cases) {
    messages.shown.clear();
    const auto outcome = logic.Confirm(c.texts);
    EXPECT_FALSE(outcome.Close) << ToUtf8(c.texts.RefreshRate);
    EXPECT_EQ(outcome.Focus, c.focus) << ToUtf8(c.texts.RefreshRate);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].style, 16u);
  }
  EXPECT_TRUE(saved.empty());
  EXPECT_EQ(settings.RefreshRate, 1000);
  EXPECT_EQ(settings.TimeFormat, u"ttttt");
}

TEST_F(SettingsDialogLogicTest, AcceptedValuesBecomeTheGlobalsAndAreSaved) {
  for (const auto* rate : {u"1", u"60000", u" 42 ", u"2.5"}) {
    const auto outcome = logic.Confirm({rate, u"", u"a plain word"});
    EXPECT_TRUE(outcome.Close) << ToUtf8(rate);
  }
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_EQ(saved[0].RefreshRate, 1);
  EXPECT_EQ(saved[1].RefreshRate, 60000);
  EXPECT_EQ(saved[2].RefreshRate, 42);
  EXPECT_EQ(saved[3].RefreshRate, 2);
  EXPECT_EQ(settings.TitlePattern, u"");
  EXPECT_EQ(settings.TimeFormat, u"a plain word");
}

TEST_F(SettingsDialogLogicTest, AFailingStoreIsToldAndKeepsTheDialogAndTheOldValues) {
  saveFails = true;
  EXPECT_FALSE(logic.Confirm({u"250", u"<%time%>", u"hh"}).Close);
  EXPECT_EQ(settings.RefreshRate, 1000);
  EXPECT_EQ(settings.TitlePattern, u"[%time%]");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(u"store"), std::u16string::npos);
  saveFails = false;
  EXPECT_TRUE(logic.Confirm({u"250", u"<%time%>", u"hh"}).Close);
  EXPECT_EQ(settings.RefreshRate, 250);
}

TEST_F(SettingsDialogLogicTest, SampleMomentsDrawTheirPartsInOrder) {
  EXPECT_EQ(logic.GetSampleDate(0), clock.Moment);
  EXPECT_TRUE(random.asked.empty());
  random.offsets = {51, 2, 13, 14, 14, 15};  // 2001, March, 13:14, the 15th, :15
  const double moment = logic.GetSampleDate(3);
  EXPECT_EQ(random.asked, (std::vector<std::pair<int, int>>{{1950, 2030}, {1, 12}, {0, 23}, {0, 59}, {1, 28}, {0, 59}}));
  EXPECT_NEAR(moment, 36965.0 + (13 * 3600 + 14 * 60 + 15) / 86400.0, 1e-9);  // 15 March 2001
  random.offsets = {0, 0, 0, 0, 0, 0};
  EXPECT_EQ(logic.GetSampleDate(1), 18264.0);  // 1 January 1950
}

TEST_F(SettingsDialogLogicTest, PreviewsShowFiveSamplesSeparatedByEmptyLines) {
  logic.ShowTimeFormatPreview(u"hh");
  logic.ShowTitlePatternPreview(u"<x>", u"nn");
  ASSERT_EQ(messages.shown.size(), 2u);
  const std::u16string random1950 = FromUtf8(std::to_string(18264L * 86400));
  EXPECT_EQ(messages.shown[0].style, 64u);
  EXPECT_EQ(messages.shown[0].text, u"hh@" + FromUtf8(std::to_string(static_cast<long>(clock.Moment * 86400))) +
                                        u"\r\n\r\nhh@" + random1950 + u"\r\n\r\nhh@" + random1950 +
                                        u"\r\n\r\nhh@" + random1950 + u"\r\n\r\nhh@" + random1950);
  EXPECT_TRUE(messages.shown[1].text.starts_with(u"<x>|nn@"));
  EXPECT_EQ(messages.shown[1].text.find(u"\r\n\r\n<x>|nn@" + random1950), messages.shown[1].text.find(u"\r\n"));
  EXPECT_EQ(random.asked.size(), 2u * 4u * 6u);
  EXPECT_EQ(settings.TimeFormat, u"ttttt");  // the previews change nothing
}

TEST_F(SettingsDialogLogicTest, FailingPreviewsAreReportedUnderTheirHeading) {
  EXPECT_EQ(logic.ShowTimeFormatPreview(u"bad"), DialogField::TimeFormat);
  EXPECT_EQ(logic.ShowTitlePatternPreview(u"[%time%]", u"bad"), DialogField::TitlePattern);
  random.fail = true;
  logic.ShowTimeFormatPreview(u"hh");
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, u"Ошибка в формате времени!\r\n\r\nНеверный формат");
  EXPECT_EQ(messages.shown[1].text, u"Ошибка в шаблоне!\r\n\r\nНеверный формат");
  EXPECT_EQ(messages.shown[2].text, u"Ошибка в формате времени!\r\n\r\nno random numbers");
  for (const auto& m : messages.shown) EXPECT_EQ(m.style, 16u);
}

TEST(SettingsCheckMessages, EnglishNamesTheSameBounds) {
  EXPECT_EQ(RefreshRateRangeMessage(UiLanguage::English), u"The refresh rate must lie between 1 and 60000.");
  EXPECT_EQ(TimeFormatTooLongMessage(UiLanguage::English),
            u"The time format must not be longer than 2048 characters.");
  EXPECT_EQ(StampTooLongMessage(), u"Заголовок по этому шаблону вышел бы длиннее 4096 знаков.");
}

TEST(ErrorReporterTest, AnErrorWithoutDescriptionShowsItsCode) {
  FakeMessages messages;
  ErrorReporter reporter(messages);
  reporter.ReportError(Error(status::kOverflow, u""), 16, u"Ошибка в шаблоне!");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Ошибка в шаблоне!\r\n\r\nКод ошибки 0x8002000A");
}

}  // namespace
}  // namespace lartsen
