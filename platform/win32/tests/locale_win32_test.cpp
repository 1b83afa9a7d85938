// The user's regional settings: the route of hosts before Vista against the named-locale
// calls, and a record that follows a change of the settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/locale_win32.h"
#include "support/text.h"
#include "template/time_format.h"

namespace lartsen::win32 {
namespace {

const CivilDateTime kSample = [] {
  CivilDateTime c;
  c.Year = 2024, c.Month = 5, c.Day = 6, c.Hour = 19, c.Minute = 8, c.Second = 9;
  c.DayOfWeek = 1, c.DayOfYear = 127;
  return c;
}();

TEST(LocaleWin32, TheRouteOfOlderHostsReadsTheSameRecord) {
  ASSERT_TRUE(LocaleCalls::Host().HasNamedLocales()) << "a host without the named calls";
  const LocaleInfo named = UserDefaultLocaleInfo(LocaleCalls::Host());
  const LocaleInfo old = UserDefaultLocaleInfo(LocaleCalls::XpEra());
  EXPECT_EQ(old.Name, named.Name);
  EXPECT_FALSE(old.Name.empty());
  EXPECT_EQ(old.DayNames, named.DayNames);
  EXPECT_EQ(old.AbbreviatedDayNames, named.AbbreviatedDayNames);
  EXPECT_EQ(old.MonthNames, named.MonthNames);
  EXPECT_EQ(old.AbbreviatedMonthNames, named.AbbreviatedMonthNames);
  EXPECT_EQ(old.DateSeparator, named.DateSeparator);
  EXPECT_EQ(old.TimeSeparator, named.TimeSeparator);
  EXPECT_EQ(old.AmDesignator, named.AmDesignator);
  EXPECT_EQ(old.PmDesignator, named.PmDesignator);
  EXPECT_EQ(old.DecimalSeparator, named.DecimalSeparator);
  for (const auto* format : {u"ddddd", u"dddddd", u"ttttt", u"mmmm d yyyy hh:nn:ss AM/PM"}) {
    EXPECT_EQ(ToUtf8(FormatDateTime(45418.797, format, old)),
              ToUtf8(FormatDateTime(45418.797, format, named)))
        << ToUtf8(format);
  }
  EXPECT_EQ(old.MediumDate(kSample), named.MediumDate(kSample));
  // Letters compare alike on both routes; "-" takes part in the order (string sort).
  for (const auto& [a, b] : {std::pair{L'a', L'B'}, {L'B', L'a'}, {L'a', L'A'}, {L'-', L'a'}}) {
    const DWORD flags = NORM_IGNORECASE | SORT_STRINGSORT;
    EXPECT_EQ(LocaleCalls::XpEra().CompareText(flags, &a, 1, &b, 1),
              LocaleCalls::Host().CompareText(flags, &a, 1, &b, 1));
  }
}

// Sets the user's long-time picture for one test and puts the old one back.
class TimeFormatSetting : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t buffer[80] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, buffer, 80), 0);
    saved_ = buffer;
  }
  void TearDown() override { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, saved_.c_str()); }
  std::wstring saved_;
};

// Waits up to a second for the watch to report a change of the record.
bool ChangeNoticed(UserLocale& locale) {
  for (int i = 0; i < 100; ++i) {
    if (locale.RereadWhenChanged(60000)) return true;
    Sleep(10);
  }
  return false;
}

TEST_F(TimeFormatSetting, AChangeNobodyAnnouncedIsNoticedByTheWatchAtTheNextCheck) {
  UserLocale locale;
  const LocaleInfo& record = locale.Record();
  ASSERT_TRUE(locale.Watching());
  EXPECT_FALSE(locale.RereadWhenChanged(60000));  // nothing changed
  ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, L"HH'h'mm"));
  EXPECT_TRUE(ChangeNoticed(locale));
  EXPECT_EQ(&locale.Record(), &record);  // the same object, changed in place
  EXPECT_EQ(record.LongTime(kSample), u"19h08");
  EXPECT_FALSE(locale.RereadWhenChanged(60000));
  EXPECT_FALSE(locale.Reread());  // read again on request: nothing new
  // The watch goes on after a change: the next one is noticed too.
  ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, saved_.c_str()));
  EXPECT_TRUE(ChangeNoticed(locale));
  EXPECT_NE(locale.Record().LongTime(kSample), u"19h08");
}

}  // namespace
}  // namespace lartsen::win32
