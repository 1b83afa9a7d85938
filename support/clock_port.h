// Port to the clock: the current local date and time as an OLE date.
#pragma once

#include <cstdint>

namespace lartsen {

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Days since 30 December 1899 00:00, local time.
  virtual double Now() = 0;
  // Milliseconds since local midnight (0 to 86399999), read in one cheap call, for placing the
  // refresh timer in step with the clock's seconds; -1 when the clock cannot tell, and the
  // timer then runs free as before.
  virtual std::int32_t MillisecondsOfDay() { return -1; }
};

}  // namespace lartsen
