// OLE dates and calendar moments: the range ends, negative days and rounding to the second.
#include <gtest/gtest.h>

#include <cmath>

#include "support/error.h"
#include "support/ole_date.h"

namespace lartsen {
namespace {

void ExpectCivil(double moment, int y, int mo, int d, int h, int mi, int s, int dow, int doy) {
  const CivilDateTime c = OleDateToCivil(moment);
  EXPECT_EQ(c.Year, y) << moment;
  EXPECT_EQ(c.Month, mo) << moment;
  EXPECT_EQ(c.Day, d) << moment;
  EXPECT_EQ(c.Hour, h) << moment;
  EXPECT_EQ(c.Minute, mi) << moment;
  EXPECT_EQ(c.Second, s) << moment;
  EXPECT_EQ(c.DayOfWeek, dow) << moment;
  EXPECT_EQ(c.DayOfYear, doy) << moment;
}

TEST(OleDate, KnownDaysAndWeekdays) {
  ExpectCivil(0.0, 1899, 12, 30, 0, 0, 0, 6, 364);
  ExpectCivil(1.0, 1899, 12, 31, 0, 0, 0, 0, 365);
  ExpectCivil(2.0, 1900, 1, 1, 0, 0, 0, 1, 1);
  ExpectCivil(36526.0, 2000, 1, 1, 0, 0, 0, 6, 1);
  ExpectCivil(36585.0, 2000, 2, 29, 0, 0, 0, 2, 60);
  ExpectCivil(36891.0, 2000, 12, 31, 0, 0, 0, 0, 366);
  ExpectCivil(365.25, 1900, 12, 30, 6, 0, 0, 0, 364);  // 1900 is no leap year
}

TEST(OleDate, RangeEndsAndOverflow) {
  ExpectCivil(-657434.0, 100, 1, 1, 0, 0, 0, 5, 1);
  ExpectCivil(-657434.5, 100, 1, 1, 12, 0, 0, 5, 1);
  ExpectCivil(2958465.0, 9999, 12, 31, 0, 0, 0, 5, 365);
  ExpectCivil(kMaxOleDate, 9999, 12, 31, 23, 59, 59, 5, 365);
  // Rounding cannot leave the range: the last day keeps its last second.
  ExpectCivil(2958465.9999999, 9999, 12, 31, 23, 59, 59, 5, 365);
  for (double bad : {-657435.0, -657435.5, 2958466.0, 1e300, -1e300, std::nan(""), HUGE_VAL}) {
    EXPECT_FALSE(IsValidOleDate(bad)) << bad;
    try {
      OleDateToCivil(bad);
      ADD_FAILURE() << bad;
    } catch (const Error& e) {
      EXPECT_EQ(e.status(), status::kOverflow);
      EXPECT_FALSE(e.description().empty());
    }
  }
}

TEST(OleDate, NegativeMomentsCountTimeFromTheStartOfTheDay) {
  ExpectCivil(-1.25, 1899, 12, 29, 6, 0, 0, 5, 363);
  ExpectCivil(-0.5, 1899, 12, 30, 12, 0, 0, 6, 364);  // day cut toward zero is 0
  // Rounding to the next second carries into the next calendar day, also before day 0.
  ExpectCivil(-1.9999999, 1899, 12, 30, 0, 0, 0, 6, 364);
  ExpectCivil(-2.9999999, 1899, 12, 29, 0, 0, 0, 5, 363);
}

TEST(OleDate, TimeIsRoundedToTheNearestSecond) {
  ExpectCivil(0.7508765432, 1899, 12, 30, 18, 1, 16, 6, 364);
  ExpectCivil(1.0 + 0.4 / 86400.0, 1899, 12, 31, 0, 0, 0, 0, 365);
  ExpectCivil(1.0 + 0.6 / 86400.0, 1899, 12, 31, 0, 0, 1, 0, 365);
  ExpectCivil(36526.99999999, 2000, 1, 2, 0, 0, 0, 0, 2);
  ExpectCivil(36891.99999999, 2001, 1, 1, 0, 0, 0, 1, 1);
}

TEST(OleDate, CivilRoundTripsOverTheRange) {
  for (int y : {100, 101, 400, 1582, 1600, 1899, 1900, 1999, 2000, 2024, 9999}) {
    for (int m = 1; m <= 12; ++m) {
      const double moment = CivilToOleDate(y, m, 28, 23, 59, 59);
      const CivilDateTime c = OleDateToCivil(moment);
      EXPECT_EQ(c.Year, y);
      EXPECT_EQ(c.Month, m);
      EXPECT_EQ(c.Day, 28);
      EXPECT_EQ(c.Hour * 3600 + c.Minute * 60 + c.Second, 86399) << y << "-" << m;
    }
  }
  EXPECT_DOUBLE_EQ(CivilToOleDate(1899, 12, 29, 6, 0, 0), -1.25);
  EXPECT_DOUBLE_EQ(CivilToOleDate(100, 1, 1, 0, 0, 0), kMinOleDate);
  EXPECT_THROW(CivilToOleDate(1900, 2, 29, 0, 0, 0), Error);
  EXPECT_THROW(CivilToOleDate(99, 12, 31, 0, 0, 0), Error);
  EXPECT_THROW(CivilToOleDate(2000, 1, 1, 24, 0, 0), Error);
}

}  // namespace
}  // namespace lartsen
