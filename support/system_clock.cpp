// Reads the local time with localtime_r, in the zone as it is now, as an OLE date of its whole second.
#include "support/system_clock.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "support/ole_date.h"

namespace lartsen {

void SystemClock::FollowZone() {
  const char* variable = std::getenv("TZ");
  const bool changed = (variable != nullptr) != zoneVariableSet_ || (variable != nullptr && zoneVariable_ != variable);
  const auto steadyNow = std::chrono::steady_clock::now();
  if (!changed && steadyNow < nextZoneFileCheck_) return;
  zoneVariableSet_ = variable != nullptr;
  zoneVariable_ = variable != nullptr ? variable : "";
  nextZoneFileCheck_ = steadyNow + kZoneFileCheck;
  // Reads TZ again, and the zone file when TZ names none: the C library compares the file with
  // the one it read and loads it only when it differs.
  tzset();
}

double SystemClock::Now() {
  FollowZone();
  const auto now = std::chrono::system_clock::now();
  // The fraction of the second is cut off, never rounded up (to_time_t may do either): the
  // shown second must never be the next one.
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(now));
  std::tm local{};
  localtime_r(&seconds, &local);
  return CivilToOleDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);  // leap second
}

std::int32_t SystemClock::MillisecondsOfDay() {
  FollowZone();
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;  // leap second
  return ((local.tm_hour * 60 + local.tm_min) * 60 + second) * 1000 +
         static_cast<std::int32_t>(millis < 0 ? 0 : millis);
}

}  // namespace lartsen
