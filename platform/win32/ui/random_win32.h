// Random whole numbers for the settings previews.
#pragma once

#include <random>

#include "support/random_port.h"

namespace lartsen::win32 {

class Random final : public RandomPort {
 public:
  Random();
  std::int32_t RandomBetween(std::int32_t lowest, std::int32_t highest) override;

 private:
  std::mt19937 engine_;
};

}  // namespace lartsen::win32
