// The built-in locale records and their compound date and time forms.
#include <gtest/gtest.h>

#include <stdexcept>

#include "template/locale_info.h"

namespace lartsen {
namespace {

CivilDateTime At(int y, int mo, int d, int h, int mi, int s, int dow) {
  CivilDateTime c;
  c.Year = y;
  c.Month = mo;
  c.Day = d;
  c.Hour = h;
  c.Minute = mi;
  c.Second = s;
  c.DayOfWeek = dow;
  return c;
}

TEST(BuiltinLocale, CompoundFormsPerLocale) {
  const CivilDateTime c = At(2000, 1, 1, 14, 5, 9, 6);
  const LocaleInfo& en = BuiltinLocale("en-US");
  EXPECT_EQ(en.ShortDate(c), u"1/1/2000");
  EXPECT_EQ(en.LongDate(c), u"Saturday, January 1, 2000");
  EXPECT_EQ(en.MediumDate(c), u"01-Jan-00");
  EXPECT_EQ(en.LongTime(c), u"2:05:09 PM");
  EXPECT_EQ(en.LongTime(At(2000, 1, 1, 0, 0, 0, 6)), u"12:00:00 AM");

  const LocaleInfo& ru = BuiltinLocale("ru-RU");
  EXPECT_EQ(ru.ShortDate(c), u"01.01.2000");
  EXPECT_EQ(ru.LongDate(c), u"1 января 2000 г.");
  EXPECT_EQ(ru.LongTime(c), u"14:05:09");
  EXPECT_EQ(ru.MonthNames[0], u"январь");

  const LocaleInfo& de = BuiltinLocale("de-DE");
  EXPECT_EQ(de.ShortDate(c), u"01.01.2000");
  EXPECT_EQ(de.LongDate(At(2000, 3, 5, 0, 0, 0, 0)), u"Sonntag, 5. März 2000");
  EXPECT_EQ(de.LongTime(At(2000, 1, 1, 7, 5, 9, 6)), u"07:05:09");
  EXPECT_THROW(BuiltinLocale("fr-FR"), std::invalid_argument);
}

TEST(LocalePicture, QuotesDesignatorsAndGenitiveChoice) {
  const LocaleInfo& ru = BuiltinLocale("ru-RU");
  const CivilDateTime c = At(2021, 5, 9, 9, 3, 0, 0);
  EXPECT_EQ(FormatLocalePicture(u"MMMM yyyy", c, ru), u"май 2021");  // no day: nominative
  EXPECT_EQ(FormatLocalePicture(u"d MMMM", c, ru), u"9 мая");
  EXPECT_EQ(FormatLocalePicture(u"'d''M' d", c, ru), u"d'M 9");
  EXPECT_EQ(FormatLocalePicture(u"H:mm tt", c, ru), u"9:03");  // no designator, no blank
  const LocaleInfo& en = BuiltinLocale("en-US");
  EXPECT_EQ(FormatLocalePicture(u"hh:mm t|yy|y", c, en), u"09:03 A|21|21");
}

}  // namespace
}  // namespace lartsen
