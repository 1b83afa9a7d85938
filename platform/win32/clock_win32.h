// The Windows clock: the current local time, to the whole second, as an OLE date.
#pragma once

#include "support/clock_port.h"

namespace lartsen::win32 {

class LocalClock final : public ClockPort {
 public:
  double Now() override;
  std::int32_t MillisecondsOfDay() override;
};

}  // namespace lartsen::win32
