// Memory port over Kernel32 and the shell's size text.
#pragma once

#include <cstdint>
#include <string>

#include "support/memory_port.h"
#include "template/byte_size_text.h"

namespace lartsen::win32 {

class MemoryWin32 : public MemoryPort {
 public:
  MemoryStatus GlobalMemoryStatus() override;
  // The size text the shell shows ("1,50 ГБ"): its unit words, in the user's language, and the
  // user's decimal separator, with the number worked out here. The shell is asked only for
  // the words, once per regional setting: asked for every figure of every tick, it is the
  // costliest part of a template expansion.
  std::u16string FormatByteSize(double bytes) override;

  // Regional settings changed since the words were read show within this time (the age is
  // checked with each memory reading).
  static constexpr std::uint32_t kWordsLifetimeMs = 30000;

 private:
  void ReadWords(unsigned long locale);
  void RefreshWordsIfStale();

 public:
  // The regional settings have changed: the words and the separator are read again at once.
  void ForgetWords() { wordsReadAtMs_ = 0; }

 private:

  ByteSizeUnits units_;
  std::u16string decimalSeparator_;
  std::uint32_t wordsReadAtMs_ = 0;  // tick count (wraps; compared by unsigned difference); 0: never
  unsigned long wordsLocale_ = 0;
};

}  // namespace lartsen::win32
