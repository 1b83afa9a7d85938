// Random whole numbers for the previews' sample moments.
#pragma once

#include "support/random_port.h"

namespace lartsen::qt {

class Random final : public RandomPort {
 public:
  std::int32_t RandomBetween(std::int32_t lowest, std::int32_t highest) override;
};

}  // namespace lartsen::qt
