// The Windows clock adapter reads the same local date and time as GetLocalTime.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/clock_win32.h"
#include "support/ole_date.h"

namespace lartsen::win32 {
namespace {

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
