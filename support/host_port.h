// Port to the host tests: which Windows family and version the program runs on.
#pragma once

namespace lartsen {

// Answers come from the host's real version, not from what compatibility shims report.
class HostPort {
 public:
  virtual ~HostPort() = default;
  virtual bool IsHostWin9x() = 0;
  virtual bool IsHostWinNT() = 0;
  virtual bool IsHostWin95() = 0;
  virtual bool IsHostWinNT40() = 0;
  virtual bool IsHostWinNT351() = 0;
};

}  // namespace lartsen
