// readlink of /proc/PID/exe, turned into the core's text.
#include "platform/linux/system/proc_process.h"

#include <unistd.h>

#include <string>
#include <string_view>

#include "support/text.h"

namespace lartsen {

std::u16string ProcessImagePath(std::uint32_t pid) {
  if (pid == 0) return {};
  const std::string link = "/proc/" + std::to_string(pid) + "/exe";
  char buffer[4096];
  const ssize_t length = readlink(link.c_str(), buffer, sizeof buffer);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  std::string_view path(buffer, static_cast<std::size_t>(length));
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted)) path.remove_suffix(kDeleted.size());
  return FromUtf8(path);
}

}  // namespace lartsen
