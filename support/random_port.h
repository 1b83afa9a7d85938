// Port to the random numbers behind the settings previews.
#pragma once

#include <cstdint>

namespace lartsen {

class RandomPort {
 public:
  virtual ~RandomPort() = default;
  // RandomBetween: a whole number from `lowest` to `highest`, both included.
  virtual std::int32_t RandomBetween(std::int32_t lowest, std::int32_t highest) = 0;
};

}  // namespace lartsen
