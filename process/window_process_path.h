// The executable file name of the process that owns a window.
#pragma once

#include <cstdint>
#include <string>

#include "process/process_routes.h"
#include "support/host_port.h"
#include "support/types.h"

namespace lartsen {

// What the refresh cycle asks for the process column; fakes in tests count the calls.
class ProcessPathPort {
 public:
  virtual ~ProcessPathPort() = default;
  // The executable's file name (no folder), "?" shown as "-"; empty when it cannot be found.
  // `ProcessId` receives the window's process id (0 when it has none).
  virtual std::u16string GetWindowProcessPath(WindowHandle hWnd, std::uint32_t& ProcessId) = 0;
};

// Chooses the route by host family on every call; nothing but the privilege request is
// remembered between calls. The ports are held by reference and must outlive this object.
class WindowProcessPath : public ProcessPathPort {
 public:
  WindowProcessPath(ProcessRoutes& routes, HostPort& host);

  // Throws Error only when the privilege request raises; the request is then repeated by
  // the next call.
  std::u16string GetWindowProcessPath(WindowHandle hWnd, std::uint32_t& ProcessId) override;
  // The NT family's routes: the system's image path, else the first module's path.
  std::u16string GetProcessPathNT(std::uint32_t ProcessId);

  // The debug privilege has been asked for (once per run, whatever the answer).
  bool DebugPrivilegeEnabled = false;

 private:
  ProcessRoutes& routes_;
  HostPort& host_;
};

}  // namespace lartsen
