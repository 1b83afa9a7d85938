// Memory figures of nothing, for tests that only need the port.
#pragma once

#include <string>

#include "support/memory_port.h"

namespace lartsen::testing {

class NoMemory : public MemoryPort {
 public:
  MemoryStatus GlobalMemoryStatus() override { return {}; }
  std::u16string FormatByteSize(double) override { return u"0 байт"; }
};

}  // namespace lartsen::testing
