// The local clock of hosts other than Windows: the current local time as an OLE date.
#pragma once

#include "support/clock_port.h"

namespace lartsen {

class SystemClock final : public ClockPort {
 public:
  double Now() override;
  std::int32_t MillisecondsOfDay() override;
};

}  // namespace lartsen
