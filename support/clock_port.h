// Port to the clock: the current local date and time as an OLE date.
#pragma once

#include <cmath>
#include <cstdint>

namespace lartsen {

// The moment cut to the start of its second (never rounded up), so that a clock shown to the
// user never runs ahead: 14:05:09.6 is 14:05:09, and 23:59:59.9 still belongs to its own day.
// Before 30 December 1899 the time of day is the fraction's absolute value, cut the same way.
// A reading that lies a hair below a whole second through the binary fraction (a millionth of
// a second) counts as that second.
inline double WholeSecond(double moment) {
  if (!std::isfinite(moment)) return moment;
  const double day = std::trunc(moment);
  const double seconds = std::floor(std::fabs(moment - day) * 86400.0 + 1e-6);
  const double time = seconds / 86400.0;
  return moment < 0 ? day - time : day + time;
}

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Days since 30 December 1899 00:00, local time.
  virtual double Now() = 0;
  // The current moment taken to its whole second: what the program shows and formats.
  double CurrentSecond() { return WholeSecond(Now()); }
  // Milliseconds since local midnight (0 to 86399999), read in one cheap call, for placing the
  // refresh timer in step with the clock's seconds; -1 when the clock cannot tell, and the
  // timer then runs free as before.
  virtual std::int32_t MillisecondsOfDay() { return -1; }
};

}  // namespace lartsen
