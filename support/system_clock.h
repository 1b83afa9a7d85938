// The local clock of hosts other than Windows: the current local time as an OLE date.
#pragma once

#include <chrono>
#include <string>

#include "support/clock_port.h"

namespace lartsen {

// Follows a change of the time zone without a restart: a new TZ at the next reading, a new
// zone file (/etc/localtime, after the user or the system set another zone) within
// kZoneFileCheck. localtime_r alone keeps the zone it found first.
class SystemClock final : public ClockPort {
 public:
  // How often the C library is asked to look at the zone file again: a file status each time,
  // not worth paying for on every tick.
  static constexpr std::chrono::seconds kZoneFileCheck{5};

  double Now() override;
  std::int32_t MillisecondsOfDay() override;

 private:
  // Has the C library read the zone again when TZ or, at most every kZoneFileCheck, the zone
  // file may have changed.
  void FollowZone();

  std::string zoneVariable_;
  bool zoneVariableSet_ = false;
  std::chrono::steady_clock::time_point nextZoneFileCheck_{};
};

}  // namespace lartsen
