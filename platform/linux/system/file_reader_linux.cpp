// Reads through POSIX after turning the core's path into a native one.
#include "platform/linux/system/file_reader_linux.h"

#include "platform/linux/system/linux_paths.h"
#include "platform/linux/system/safe_file.h"
#include "support/text.h"

namespace lartsen {

std::optional<std::string> FileReaderLinux::ReadFileBytes(std::u16string_view path) {
  // A missing file is no rules; one that is there but unreadable (no permission, a folder, an
  // I/O error) throws with its reason.
  std::optional<std::string> bytes = ReadFileText(ToNativePath(path), language_);
  if (bytes && bytes->size() > kMaxListFileBytes) return std::nullopt;
  return bytes;
}

}  // namespace lartsen
