// The portable local clock agrees with the C library's local calendar date.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

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

// Sets TZ for this process only, and puts back what it was.
class ZoneOfThisProcess {
 public:
  ZoneOfThisProcess() {
    if (const char* before = std::getenv("TZ")) before_ = before;
  }
  ~ZoneOfThisProcess() {
    if (before_) {
      setenv("TZ", before_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  void Set(const char* zone) { setenv("TZ", zone, 1); }

 private:
  std::optional<std::string> before_;
};

TEST(SystemClock, FollowsAZoneChangedWhileItRuns) {
  ZoneOfThisProcess zone;
  SystemClock clock;
  zone.Set("UTC0");
  const std::int32_t utc = clock.MillisecondsOfDay();
  const double utcDate = clock.Now();
  zone.Set("<+0330>-3:30");
  const std::int32_t ahead = clock.MillisecondsOfDay();
  const double aheadDate = clock.Now();
  constexpr std::int32_t kDay = 86400000, kShift = 12600000;
  const std::int32_t shift = ((ahead - utc) % kDay + kDay) % kDay;
  EXPECT_NEAR(shift, kShift, 2000);
  EXPECT_NEAR((aheadDate - utcDate) * 86400.0, 12600.0, 2.0);
}

}  // namespace
}  // namespace lartsen
