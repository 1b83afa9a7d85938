// Random whole numbers for the settings previews, seeded from the system's entropy.
#pragma once

#include <random>

#include "support/random_port.h"

namespace lartsen {

class RandomLinux final : public RandomPort {
 public:
  RandomLinux();
  // Throws Error when `lowest` is above `highest`.
  std::int32_t GetRnd(std::int32_t lowest, std::int32_t highest) override;

 private:
  std::mt19937 engine_;
};

}  // namespace lartsen
