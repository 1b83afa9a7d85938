// The date and time format notation: codes, reading rules, literals, sections and failures.
#include <gtest/gtest.h>

#include <cmath>

#include "support/error.h"
#include "support/text.h"
#include "support/ole_date.h"
#include "template/time_format.h"

namespace lartsen {
namespace {

const LocaleInfo& En() { return BuiltinLocale("en-US"); }
const LocaleInfo& Ru() { return BuiltinLocale("ru-RU"); }
const LocaleInfo& De() { return BuiltinLocale("de-DE"); }

std::string F(double moment, std::u16string_view format, const LocaleInfo& locale = En()) {
  return ToUtf8(FormatDateTime(moment, format, locale));
}

const double kY2k = CivilToOleDate(2000, 1, 1, 14, 5, 1);  // a Saturday
const double kJan1900 = CivilToOleDate(1900, 1, 1, 12, 36, 0);

TEST(TimeFormat, ReferenceCases) {
  EXPECT_EQ(F(kY2k, u"hh:nn:ss"), "14:05:01");
  EXPECT_EQ(F(kY2k, u"h:m:s A/P"), "2:5:1 P");
  EXPECT_EQ(F(kY2k, u"yyyy-mm-dd hh:nn:ss"), "2000-01-01 14:05:01");
  EXPECT_EQ(F(kY2k, u"dddd, mmmm d yyyy"), "Saturday, January 1 2000");
  EXPECT_EQ(F(kY2k, u"w ww q y"), "7 1 1 1");
  EXPECT_EQ(F(kY2k, u"ttttt"), "2:05:01 PM");
  EXPECT_EQ(F(kY2k, u"ttttt", Ru()), "14:05:01");
  EXPECT_EQ(F(kY2k, u"dd/mm/yy", Ru()), "01.01.00");
  EXPECT_EQ(F(kY2k, u"\"%TotalPhysical%\""), "%TotalPhysical%");
  EXPECT_EQ(F(kY2k, u"Время"), "Время");
  EXPECT_EQ(F(CivilToOleDate(1998, 1, 6, 17, 8, 6), u"c"), "1/6/1998 5:08:06 PM");
  EXPECT_EQ(F(CivilToOleDate(1998, 1, 6, 0, 0, 0), u"ww"), "2");
  EXPECT_EQ(F(CivilToOleDate(2000, 12, 31, 0, 0, 0), u"ww"), "54");
  EXPECT_EQ(F(365.0, u"c"), "12/30/1900");
  EXPECT_EQ(F(365.25, u"c"), "12/30/1900 6:00:00 AM");
  EXPECT_EQ(F(17.4 / 24, u"hh:nn:ss A/P"), "05:24:00 P");
  EXPECT_EQ(F(20.0 / 24 + 50.0 / 1440, u"hh:mm AM/PM"), "08:50 PM");
}

TEST(TimeFormat, CodesIgnoreCaseAndReadGreedily) {
  EXPECT_EQ(F(kY2k, u"HH:Nn:sS MMM DDDD"), "14:05:01 Jan Saturday");
  EXPECT_EQ(F(2.0, u"yyy"), "001");               // yy then y on 1 Jan 1900
  EXPECT_EQ(F(2.0, u"yyyyy"), "19001");           // yyyy then y
  EXPECT_EQ(F(kY2k, u"ddddddd"), "Saturday, January 1, 20001");
  EXPECT_EQ(F(kY2k, u"mmmmm"), "January1");
  EXPECT_EQ(F(kY2k, u"ddd"), "Sat");
  EXPECT_EQ(F(kY2k, u"ddddd"), "1/1/2000");
  EXPECT_EQ(F(kY2k, u"aaaa|oooo|ooo|tttt"), "Saturday|January|ooo|tttt");
  EXPECT_EQ(F(kY2k, u"wwww qq"), "11 11");
  EXPECT_EQ(F(kY2k, u"hhh nnn sss"), "1414 055 011");
}

TEST(TimeFormat, LongRunsReadAsConsecutiveLongestCodes) {
  std::string hours;
  for (int i = 0; i < 50001; ++i) hours += "14";
  EXPECT_EQ(F(kY2k, std::u16string(100001, u'h')), hours);  // 50000 hh and one h
  EXPECT_EQ(F(kY2k, std::u16string(13, u't')), "2:05:01 PM2:05:01 PMttt");
}

TEST(TimeFormat, MinuteRule) {
  EXPECT_EQ(F(kJan1900, u"hh :mm:mm"), "12 :36:01");
  EXPECT_EQ(F(kJan1900, u"dd:hh :mm:mm"), "01:12 :36:01");
  EXPECT_EQ(F(kJan1900, u"hh:dd :mm:mm"), "12:01 :01:01");
  EXPECT_EQ(F(kJan1900, u"mm :ss:mm"), "01 :00:01");
  EXPECT_EQ(F(kJan1900, u"h\"x;y\"m"), "12x;y36");      // quoted text between keeps the rule
  EXPECT_EQ(F(kJan1900, u"hh:mmm"), "12:Jan");          // mmm is always the month
  EXPECT_EQ(F(kJan1900, u"hh:m"), "12:36");
}

TEST(TimeFormat, TwelveHourClock) {
  const double midnight = CivilToOleDate(2000, 1, 1, 0, 7, 0);
  const double noon = CivilToOleDate(2000, 1, 1, 12, 0, 0);
  const double lastSecond = CivilToOleDate(2000, 1, 1, 23, 59, 59);
  EXPECT_EQ(F(midnight, u"h AM/PM"), "12 AM");
  EXPECT_EQ(F(noon, u"h am/pm"), "12 pm");
  EXPECT_EQ(F(lastSecond, u"hh:nn:ss a/p"), "11:59:59 p");
  EXPECT_EQ(F(CivilToOleDate(2000, 1, 1, 11, 59, 59), u"h A/P"), "11 A");
  EXPECT_EQ(F(kY2k, u"AM/PM h:nn"), "PM 2:05");      // the code may precede the hour
  EXPECT_EQ(F(kY2k, u"Am/pM"), "pM");                // letters keep the format's case
  EXPECT_EQ(F(kY2k, u"h AMPM"), "2 PM");
  EXPECT_EQ(F(kY2k, u"h AMPM", Ru()), "2 ");         // 24-hour locale: empty designator
  EXPECT_EQ(F(kY2k, u"h;AM/PM"), "14");              // another section's code does not count
  EXPECT_EQ(F(kY2k, u"h \"AM/PM\""), "14 AM/PM");    // nor quoted text
  EXPECT_EQ(F(kY2k, u"h a/"), "14 a/");              // no full AM/PM code: 24-hour
}

TEST(TimeFormat, WeekOfYearAtYearEnds) {
  auto ww = [](int y, int m, int d) { return F(CivilToOleDate(y, m, d, 0, 0, 0), u"ww"); };
  // 2006 starts on a Sunday: week 1 is a full week and 31 December is week 53.
  EXPECT_EQ(ww(2006, 1, 1), "1");
  EXPECT_EQ(ww(2006, 1, 7), "1");
  EXPECT_EQ(ww(2006, 1, 8), "2");
  EXPECT_EQ(ww(2006, 12, 31), "53");
  // 2000 is a leap year starting on a Saturday: 2 January is already week 2.
  EXPECT_EQ(ww(2000, 1, 2), "2");
  EXPECT_EQ(ww(2000, 12, 30), "53");
  // 2011 starts on a Saturday and is no leap year.
  EXPECT_EQ(ww(2011, 12, 31), "53");
  // 2012 is a leap year starting on a Sunday.
  EXPECT_EQ(ww(2012, 12, 31), "53");
  EXPECT_EQ(ww(2016, 12, 31), "53");  // leap year starting on a Friday
  EXPECT_EQ(F(CivilToOleDate(2012, 12, 31, 0, 0, 0), u"y w q"), "366 2 4");
}

TEST(TimeFormat, GeneralDateWithZeroDayOrTime) {
  EXPECT_EQ(F(0.0, u"c"), "12:00:00 AM");
  EXPECT_EQ(F(0.5, u"c"), "12:00:00 PM");
  EXPECT_EQ(F(-0.5, u"c"), "12:00:00 PM");
  EXPECT_EQ(F(1.0, u"c"), "12/31/1899");
  EXPECT_EQ(F(-1.0, u"C"), "12/29/1899");
  EXPECT_EQ(F(0.99999999, u"c"), "12/31/1899");  // rounds to the next midnight
  EXPECT_EQ(F(kY2k, u""), "1/1/2000 2:05:01 PM");
  EXPECT_EQ(F(kY2k, u";hh"), "1/1/2000 2:05:01 PM");
  EXPECT_EQ(F(kY2k, u"c", Ru()), "01.01.2000 14:05:01");
  EXPECT_EQ(F(kY2k, u"[c]"), "[1/1/2000 2:05:01 PM]");
}

TEST(TimeFormat, NamedFormats) {
  EXPECT_EQ(F(kY2k, u"General Date"), "1/1/2000 2:05:01 PM");
  EXPECT_EQ(F(kY2k, u"long date"), "Saturday, January 1, 2000");
  EXPECT_EQ(F(kY2k, u"MEDIUM DATE"), "01-Jan-00");
  EXPECT_EQ(F(kY2k, u"Short Date"), "1/1/2000");
  EXPECT_EQ(F(kY2k, u"Long Time"), "2:05:01 PM");
  EXPECT_EQ(F(kY2k, u"Medium Time"), "02:05 PM");
  EXPECT_EQ(F(kY2k, u"Short Time"), "14:05");
  EXPECT_EQ(F(kY2k, u"Long Date", Ru()), "1 января 2000 г.");
  EXPECT_EQ(F(kY2k, u"Long Date", De()), "Samstag, 1. Januar 2000");
  EXPECT_EQ(F(kY2k, u"Short Time "), "114ort Ti5e ");  // not a name: read as codes
}

TEST(TimeFormat, LiteralText) {
  EXPECT_EQ(F(kY2k, u"hello"), "14ello");
  EXPECT_EQ(F(kY2k, u"[h]:mm"), "[14]:05");
  EXPECT_EQ(F(kY2k, u"\\c\\\\h"), "c\\14");
  EXPECT_EQ(F(kY2k, u"h\\"), "14");                       // lone backslash at the end
  EXPECT_EQ(F(kY2k, u"h \"open;ended"), "14 open;ended");  // unterminated quote
  EXPECT_EQ(F(kY2k, u"h- + $ ( ) , . x"), "14- + $ ( ) , . x");
  EXPECT_EQ(F(kY2k, u"Сейчас hh ч. nn мин."), "Сейчас 14 ч. 05 мин.");
  EXPECT_EQ(F(kY2k, u"Время: hh:nn", Ru()), "Время: 14:05");
  EXPECT_EQ(F(kY2k, u"h 0 # @ %"), "14 0 # @ %");  // after a date code: literal
  EXPECT_EQ(F(kY2k, u"h;0.00;;"), "14");
  EXPECT_EQ(F(kY2k, u"\"\""), "");
  // Long results: many short pieces and one piece longer than any internal buffer.
  std::u16string many, expected;
  for (int i = 0; i < 100; ++i) {
    many += u"dddd ";
    expected += u"Saturday ";
  }
  EXPECT_EQ(FormatDateTime(kY2k, many, En()), expected);
  const std::u16string text(500, u'Ж');
  EXPECT_EQ(FormatDateTime(kY2k, u"h\"" + text + u"\"h", En()), u"14" + text + u"14");
}

TEST(TimeFormat, LocaleNamesAndSeparators) {
  EXPECT_EQ(F(kY2k, u"dddd d mmmm yyyy, ddd mmm", Ru()), "суббота 1 январь 2000, Сб янв");
  EXPECT_EQ(F(kY2k, u"dddddd", Ru()), "1 января 2000 г.");
  EXPECT_EQ(F(kY2k, u"dd/mm/yyyy hh:nn", De()), "01.01.2000 14:05");
  EXPECT_EQ(F(CivilToOleDate(2001, 3, 4, 0, 0, 0), u"dddd, d. mmmm", De()), "Sonntag, 4. März");
}

TEST(TimeFormat, RangeEnds) {
  EXPECT_EQ(F(kMinOleDate, u"yyyy-mm-dd hh:nn:ss dddd"), "100-01-01 00:00:00 Friday");
  EXPECT_EQ(F(kMaxOleDate, u"yyyy-mm-dd hh:nn:ss ww y"), "9999-12-31 23:59:59 53 365");
  EXPECT_EQ(F(-1.25, u"yyyy-mm-dd hh:nn"), "1899-12-29 06:00");
  EXPECT_EQ(F(0.7508765432, u"hh:nn:ss"), "18:01:16");
}

std::int32_t FailureStatus(double moment, std::u16string_view format) {
  try {
    FormatDateTime(moment, format, En());
  } catch (const Error& e) {
    EXPECT_FALSE(e.description().empty());
    return e.status();
  }
  return 0;
}

TEST(TimeFormat, Failures) {
  EXPECT_EQ(FailureStatus(kMinOleDate - 1.0, u"hh"), status::kOverflow);
  EXPECT_EQ(FailureStatus(2958466.0, u"hh"), status::kOverflow);
  EXPECT_EQ(FailureStatus(std::nan(""), u""), status::kOverflow);
  for (std::u16string_view f : {u"0.00", u"#,##0", u"@@@", u"Время 0", u"&", u"<hh", u">", u"!h",
                                u"%", u"e+00", u";0"}) {
    EXPECT_EQ(FailureStatus(kY2k, f), status::kInvalidArgument) << ToUtf8(f);
  }
  EXPECT_EQ(FailureStatus(kY2k, u"h;h;h;h;h"), status::kInvalidArgument);
  EXPECT_EQ(FailureStatus(kY2k, u";;;;"), status::kInvalidArgument);
  EXPECT_EQ(FailureStatus(kY2k, u"h;h;h;h"), 0);
  EXPECT_EQ(FailureStatus(kY2k, u"h;\";;;;\";\\;"), 0);  // quoted and escaped ; split nothing
  EXPECT_EQ(FailureStatus(kY2k, u"\"0\" e"), 0);          // no kind-specific token at all
}

}  // namespace
}  // namespace lartsen
