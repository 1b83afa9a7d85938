// The executable image of a local process, as /proc names it.
#pragma once

#include <cstdint>
#include <string>

namespace lartsen {

// The full path /proc/PID/exe points at; empty for pid 0, a process that has ended or one
// the user may not look into. A replaced image loses the kernel's " (deleted)" mark.
std::u16string ProcessImagePath(std::uint32_t pid);

}  // namespace lartsen
