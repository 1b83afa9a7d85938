// The executable file name of the process that owns a window.
#include "process/window_process_path.h"

#include <algorithm>

#include "support/paths.h"

namespace lartsen {

WindowProcessPath::WindowProcessPath(ProcessRoutes& routes, HostPort& host)
    : routes_(routes), host_(host) {}

std::u16string WindowProcessPath::GetProcessPathNT(std::uint32_t ProcessId) {
  std::u16string path = routes_.QueryFullProcessPath(ProcessId);
  if (path.empty()) path = routes_.GetProcessModulePath(ProcessId);
  return path;
}

std::u16string WindowProcessPath::GetWindowProcessPath(WindowHandle hWnd, std::uint32_t& ProcessId) {
  ProcessId = routes_.GetWindowThreadProcessId(hWnd);
  if (ProcessId == 0) return {};

  // Without the debug privilege processes of other users and services cannot be opened.
  if (!DebugPrivilegeEnabled) {
    routes_.EnableDebugPrivilege();
    DebugPrivilegeEnabled = true;
  }

  const std::u16string path =
      host_.IsHostWin9x() ? routes_.GetProcessPath9x(ProcessId) : GetProcessPathNT(ProcessId);
  if (path.empty()) return {};

  // Characters the system code page cannot show come back as "?", which would act as a
  // wildcard in the rules' patterns; "-" keeps the name a plain text.
  std::u16string name = FileNameOfPath(path);
  std::replace(name.begin(), name.end(), u'?', u'-');
  return name;
}

}  // namespace lartsen
