// The file-system calls of nested directory creation on Windows: wide and single-byte routes.
#pragma once

#include "fsutil/file_system_port.h"

namespace lartsen::win32 {

class FileSystem final : public FileSystemPort {
 public:
  std::uint32_t FileAttributesWide(std::u16string_view path) override;
  std::uint32_t FileAttributesAnsi(std::u16string_view path) override;
  bool CreateDirectoryWide(std::u16string_view path) override;
  bool CreateDirectoryAnsi(std::u16string_view path) override;
};

}  // namespace lartsen::win32
