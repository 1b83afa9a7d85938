// A clock that stands at the moment the test sets and counts its readings.
#pragma once

#include <cstdint>

#include "support/clock_port.h"
#include "support/ole_date.h"

namespace lartsen::testing {

class FakeClock : public ClockPort {
 public:
  double Now() override {
    ++Reads;
    return Moment;
  }
  std::int32_t MillisecondsOfDay() override {
    ++Reads;
    return Milliseconds;
  }
  double Moment = 45000.5;  // 15 March 2023 12:00:00
  std::int32_t Milliseconds = -1;  // time of day for the timer's placement; -1: cannot tell
  int Reads = 0;
};

// A clock standing at that calendar moment.
inline FakeClock ClockAt(int year, int month, int day, int hour, int minute, int second) {
  FakeClock clock;
  clock.Moment = CivilToOleDate(year, month, day, hour, minute, second);
  return clock;
}

}  // namespace lartsen::testing
