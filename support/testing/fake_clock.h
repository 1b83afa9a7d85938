// A clock that stands at the moment the test sets and counts its readings.
#pragma once

#include "support/clock_port.h"

namespace lartsen::testing {

class FakeClock : public ClockPort {
 public:
  double Now() override {
    ++Reads;
    return Moment;
  }
  double Moment = 45000.5;  // 15 March 2023 12:00:00
  int Reads = 0;
};

}  // namespace lartsen::testing
