// Port to the clock: the current local date and time as an OLE date.
#pragma once

namespace lartsen {

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Days since 30 December 1899 00:00, local time.
  virtual double Now() = 0;
};

}  // namespace lartsen
