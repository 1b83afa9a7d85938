// Reads the local time with <chrono> and localtime_r and turns it into an OLE date.
#include "support/system_clock.h"

#include <chrono>
#include <ctime>

#include "support/ole_date.h"

namespace lartsen {

double SystemClock::Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const double moment = CivilToOleDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                       local.tm_hour, local.tm_min,
                                       local.tm_sec > 59 ? 59 : local.tm_sec);  // leap second
  // The fraction adds after 1899; formatting rounds to the second.
  return moment + static_cast<double>(millis < 0 ? 0 : millis) / 86400000.0;
}

}  // namespace lartsen
