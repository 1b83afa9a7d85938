// The platform's routes to a window's process and its executable image.
#pragma once

#include <cstdint>
#include <string>

#include "process/process_routes.h"
#include "support/host_port.h"

namespace lartsen::win32 {

// SetDebugPrivilege(True): turns on SeDebugPrivilege in this process's token. Returns
// whether the privilege is now held; a host or account without it is no error.
bool SetDebugPrivilege(bool enable);

// Every handle a route opens is closed before it returns. The entry points a host may lack
// (toolhelp, QueryFullProcessImageNameW, the psapi functions) are looked up at their first
// call; a missing one makes its route answer empty.
class ProcessWin32 : public ProcessRoutes {
 public:
  // `host` tells whether the snapshot records come in the wide form (NT family) or only in
  // the single-byte form of the system code page (9x family). Held by reference.
  explicit ProcessWin32(HostPort& host);

  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  void EnableDebugPrivilege() override;
  std::u16string GetProcessPath9x(std::uint32_t ProcessId) override;
  std::u16string QueryFullProcessPath(std::uint32_t ProcessId) override;
  std::u16string GetProcessModulePath(std::uint32_t ProcessId) override;

 private:
  std::u16string SnapshotPathWide(void* snapshot, std::uint32_t ProcessId);
  std::u16string SnapshotPathSingleByte(void* snapshot, std::uint32_t ProcessId);

  HostPort& host_;
};

}  // namespace lartsen::win32
