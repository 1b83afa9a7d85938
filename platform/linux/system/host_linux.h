// The host tests on Linux: none of the Windows families, so every route takes its modern way.
#pragma once

#include "support/host_port.h"

namespace lartsen {

class HostLinux final : public HostPort {
 public:
  bool IsHostWin9x() override { return false; }
  bool IsHostWinNT() override { return false; }
  bool IsHostWin95() override { return false; }
  bool IsHostWinNT40() override { return false; }
  bool IsHostWinNT351() override { return false; }
};

}  // namespace lartsen
