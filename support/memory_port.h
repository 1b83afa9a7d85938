// Port to the machine's memory figures and to the platform's short size text.
#pragma once

#include <cstdint>
#include <string>

namespace lartsen {

// Byte counts are carried as doubles (whole numbers, exact below 2^53).
struct MemoryStatus {
  std::int32_t MemoryLoad = 0;  // per cent of physical memory in use, 0..100
  double TotalPhys = 0;
  double AvailPhys = 0;
  double TotalPageFile = 0;
  double AvailPageFile = 0;
  double TotalVirtual = 0;
  double AvailVirtual = 0;
  double AvailExtendedVirtual = 0;
};

// Both calls throw Error on a failure status.
class MemoryPort {
 public:
  virtual ~MemoryPort() = default;
  // GlobalMemoryStatus
  virtual MemoryStatus GlobalMemoryStatus() = 0;
  // FormatByteSize: a short human-readable size ("1,5 ГБ"), in the user's language.
  virtual std::u16string FormatByteSize(double bytes) = 0;
};

}  // namespace lartsen
