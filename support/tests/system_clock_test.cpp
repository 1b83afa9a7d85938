// The portable local clock agrees with the C library's local calendar date.
#include <gtest/gtest.h>

#include <ctime>

#include "support/system_clock.h"
#include "support/ole_date.h"

namespace lartsen {
namespace {

TEST(SystemClock, MillisecondsOfDayLieWithinTheSecondsAround) {
  const std::time_t before = std::time(nullptr);
  const std::int32_t now = SystemClock().MillisecondsOfDay();
  const std::time_t after = std::time(nullptr);
  std::tm a{}, b{};
  localtime_r(&before, &a);
  localtime_r(&after, &b);
  if (a.tm_mday != b.tm_mday) GTEST_SKIP() << "midnight passed";
  EXPECT_GE(now, ((a.tm_hour * 60 + a.tm_min) * 60 + a.tm_sec) * 1000);
  EXPECT_LT(now, ((b.tm_hour * 60 + b.tm_min) * 60 + b.tm_sec + 1) * 1000);
}

TEST(SystemClock, NowIsTodaysLocalDate) {
  SystemClock clock;
  const std::time_t before = std::time(nullptr);
  const CivilDateTime now = OleDateToCivil(clock.Now());
  const std::time_t after = std::time(nullptr);
  std::tm a{}, b{};
  localtime_r(&before, &a);
  localtime_r(&after, &b);
  // The reading lies between the two (rounding may add a second).
  const int seconds = now.Hour * 3600 + now.Minute * 60 + now.Second;
  const int first = a.tm_hour * 3600 + a.tm_min * 60 + a.tm_sec;
  const int last = b.tm_hour * 3600 + b.tm_min * 60 + b.tm_sec + 1;
  if (a.tm_mday == b.tm_mday && last < 86400) {
    EXPECT_EQ(now.Year, a.tm_year + 1900);
    EXPECT_EQ(now.Month, a.tm_mon + 1);
    EXPECT_EQ(now.Day, a.tm_mday);
    EXPECT_GE(seconds, first);
    EXPECT_LE(seconds, last);
  }
}

}  // namespace
}  // namespace lartsen
