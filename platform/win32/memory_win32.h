// Memory port over Kernel32 and the shell's size text.
#pragma once

#include "support/memory_port.h"

namespace lartsen::win32 {

class MemoryWin32 : public MemoryPort {
 public:
  MemoryStatus GlobalMemoryStatus() override;
  // The size text the shell shows ("1,5 ГБ"), in the user's language and number format.
  std::u16string FormatByteSize(double bytes) override;
};

}  // namespace lartsen::win32
