// The Windows clock adapter reads the same local date and time as GetLocalTime.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/clock_win32.h"
#include "support/ole_date.h"

namespace lartsen::win32 {
namespace {

int MillisecondsOf(const SYSTEMTIME& t) {
  return ((t.wHour * 60 + t.wMinute) * 60 + t.wSecond) * 1000 + t.wMilliseconds;
}

TEST(LocalClock, MillisecondsOfDayLieBetweenTwoReadingsOfTheLocalTime) {
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  const int now = LocalClock().MillisecondsOfDay();
  GetLocalTime(&after);
  if (before.wDay != after.wDay) GTEST_SKIP() << "midnight passed";
  EXPECT_GE(now, MillisecondsOf(before));
  EXPECT_LE(now, MillisecondsOf(after));
}

TEST(LocalClock, NowMatchesTheLocalTime) {
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  LocalClock clock;
  const CivilDateTime now = OleDateToCivil(clock.Now());
  GetLocalTime(&after);
  const bool lastSecond = after.wHour == 23 && after.wMinute == 59 && after.wSecond == 59;
  if (before.wDay != after.wDay || lastSecond) GTEST_SKIP() << "too close to midnight";
  EXPECT_EQ(now.Year, before.wYear);
  EXPECT_EQ(now.Month, before.wMonth);
  EXPECT_EQ(now.Day, before.wDay);
  const int seconds = now.Hour * 3600 + now.Minute * 60 + now.Second;
  EXPECT_GE(seconds, before.wHour * 3600 + before.wMinute * 60 + before.wSecond);
  EXPECT_LE(seconds, after.wHour * 3600 + after.wMinute * 60 + after.wSecond + 1);
}

}  // namespace
}  // namespace lartsen::win32
