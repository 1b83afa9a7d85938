// Memory port over Kernel32 and the shell's size text.
#pragma once

#include <array>
#include <cstdint>

#include "support/memory_port.h"

namespace lartsen::win32 {

class MemoryWin32 : public MemoryPort {
 public:
  MemoryStatus GlobalMemoryStatus() override;
  // The size text the shell shows ("1,5 ГБ"), in the user's language and number format.
  // Texts already made are reused for a while: most figures (the totals, and the free ones
  // between two ticks) repeat, and the shell's call is the costliest part of an expansion.
  std::u16string FormatByteSize(double bytes) override;

 private:
  struct CachedText {
    bool Valid = false;
    double Bytes = 0;
    std::u16string Text;
  };
  std::array<CachedText, 16> cache_;  // 16 slots: the index takes the top 4 bits of a hash
  std::uint64_t cacheStartedMs_ = 0;
  unsigned long cacheLocale_ = 0;
};

}  // namespace lartsen::win32
