// Process id from the window's facts, image path from /proc/PID/exe.
#include "platform/linux/x11/x11_process_routes.h"

#include "platform/linux/system/proc_process.h"

namespace lartsen::x11 {

std::uint32_t X11ProcessRoutes::GetWindowThreadProcessId(WindowHandle window) {
  return windows_.GetWindowProcessId(window);
}

std::u16string X11ProcessRoutes::QueryFullProcessPath(std::uint32_t ProcessId) {
  return ProcessImagePath(ProcessId);
}

}  // namespace lartsen::x11
