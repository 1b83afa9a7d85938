// The process routes on X11: the window's _NET_WM_PID and the image its /proc entry names.
#pragma once

#include "platform/linux/x11/x11_windows.h"
#include "process/process_routes.h"

namespace lartsen::x11 {

// Only the "system's image path" route exists here; the others answer empty.
class X11ProcessRoutes : public ProcessRoutes {
 public:
  explicit X11ProcessRoutes(X11Windows& windows) : windows_(windows) {}

  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  void EnableDebugPrivilege() override {}
  std::u16string GetProcessPath9x(std::uint32_t) override { return {}; }
  std::u16string QueryFullProcessPath(std::uint32_t ProcessId) override;
  std::u16string GetProcessModulePath(std::uint32_t) override { return {}; }

 private:
  X11Windows& windows_;
};

}  // namespace lartsen::x11
