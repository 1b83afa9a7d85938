// Port to the platform's ways of finding a process and the image path it runs.
#pragma once

#include <cstdint>
#include <string>

#include "support/types.h"

namespace lartsen {

// Routes answer an empty path when the process or its image cannot be found; only a failing
// support call (the privilege request) may throw Error.
class ProcessRoutes {
 public:
  virtual ~ProcessRoutes() = default;
  // The id of the process that owns `window`; 0 for no window or a closed one.
  virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window) = 0;
  // SetDebugPrivilege(True): asks for the debug privilege for this process.
  virtual void EnableDebugPrivilege() = 0;
  // The image path from a snapshot of all processes (the 9x family's only way).
  virtual std::u16string GetProcessPath9x(std::uint32_t ProcessId) = 0;
  // The image path the system keeps for the process (hosts since Vista).
  virtual std::u16string QueryFullProcessPath(std::uint32_t ProcessId) = 0;
  // The path of the process's first module, its executable image.
  virtual std::u16string GetProcessModulePath(std::uint32_t ProcessId) = 0;
};

}  // namespace lartsen
