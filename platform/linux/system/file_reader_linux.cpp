// Reads through the C library after turning the core's path into a native one.
#include "platform/linux/system/file_reader_linux.h"

#include "platform/linux/system/linux_paths.h"
#include "support/text.h"

namespace lartsen {

std::optional<std::string> FileReaderLinux::ReadFileBytes(std::u16string_view path) {
  return stdio_.ReadFileBytes(FromUtf8(ToNativePath(path)));
}

}  // namespace lartsen
