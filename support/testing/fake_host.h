// A host of a chosen Windows family and version, for tests of the routes that depend on it.
#pragma once

#include "support/host_port.h"

namespace lartsen {

// An NT host of a current version unless a flag says otherwise; Windows 95 is of the 9x family.
class FakeHost : public HostPort {
 public:
  bool win9x = false;
  bool win95 = false;
  bool nt40 = false;
  bool nt351 = false;

  bool IsHostWin9x() override { return win9x || win95; }
  bool IsHostWinNT() override { return !IsHostWin9x(); }
  bool IsHostWin95() override { return win95; }
  bool IsHostWinNT40() override { return nt40; }
  bool IsHostWinNT351() override { return nt351; }
};

}  // namespace lartsen
