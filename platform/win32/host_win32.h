// The host tests answered from the host's real Windows version.
#pragma once

#include <cstdint>

#include "support/host_port.h"

namespace lartsen::win32 {

// A Windows version as the kernel reports it.
struct HostVersion {
  bool nt = true;  // the NT family; false for 95, 98 and Me
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// The real version: RtlGetVersion of ntdll, which compatibility shims leave alone; hosts
// without it (9x, NT before 2000) are read through GetVersion.
HostVersion ReadHostVersion();

class HostWin32 : public HostPort {
 public:
  // Tests hand in a version to see each family's answers.
  explicit HostWin32(HostVersion version = ReadHostVersion());

  bool IsHostWin9x() override;
  bool IsHostWinNT() override;
  bool IsHostWin95() override;
  bool IsHostWinNT40() override;
  bool IsHostWinNT351() override;

 private:
  HostVersion version_;
};

}  // namespace lartsen::win32
