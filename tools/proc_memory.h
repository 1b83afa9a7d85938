// Memory figures of a Linux machine from /proc, for the console tool's native build.
#pragma once

#include <string>
#include <string_view>

#include "support/memory_port.h"

namespace lartsen {

class ProcMemory : public MemoryPort {
 public:
  // `decimalSeparator` is used by the size texts ("1,5 GB" under ru-RU).
  explicit ProcMemory(std::u16string decimalSeparator, std::string meminfoPath = "/proc/meminfo");

  // Physical memory from MemTotal/MemAvailable; the paging file as physical memory plus swap
  // (the platform's commit figures); the address space of a 64-bit process (47 bits).
  MemoryStatus GlobalMemoryStatus() override;
  // Shell-like short size: "512 bytes", "1,50 KB", "15,3 MB", "152 GB" (three digits, cut).
  std::u16string FormatByteSize(double bytes) override;

 private:
  std::u16string decimalSeparator_;
  std::string meminfoPath_;
};

// Reads "Name: 123 kB" lines; bytes of the named field, or -1 when it is missing.
double MeminfoBytes(std::string_view meminfo, std::string_view name);

}  // namespace lartsen
