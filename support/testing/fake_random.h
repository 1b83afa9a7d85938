// Random numbers as a test scripts them: the lowest of each range plus a scripted offset.
#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "support/error.h"
#include "support/random_port.h"

namespace lartsen::testing {

class FakeRandom : public RandomPort {
 public:
  std::vector<std::pair<int, int>> asked;  // the ranges asked for, in order
  std::deque<int> offsets;                 // added to the lowest value, one per call; then 0
  bool fail = false;

  std::int32_t RandomBetween(std::int32_t lowest, std::int32_t highest) override {
    if (fail) throw Error(status::kFail, u"no random numbers");
    asked.emplace_back(lowest, highest);
    int offset = 0;
    if (!offsets.empty()) {
      offset = offsets.front();
      offsets.pop_front();
    }
    return lowest + offset;
  }
};

}  // namespace lartsen::testing
