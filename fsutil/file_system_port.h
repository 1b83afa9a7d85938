// Port to the file-system calls behind nested directory creation.
#pragma once

#include <cstdint>
#include <string_view>

namespace lartsen {

inline constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10u;

// The wide calls take the path as it is (long-path prefixes allowed); the single-byte calls
// convert it to the system's ANSI code page first and fail when it cannot be represented there.
class FileSystemPort {
 public:
  virtual ~FileSystemPort() = default;
  // GetFileAttributesW / GetFileAttributesA: kInvalidFileAttributes on failure.
  virtual std::uint32_t FileAttributesWide(std::u16string_view path) = 0;
  virtual std::uint32_t FileAttributesAnsi(std::u16string_view path) = 0;
  // CreateDirectoryW / CreateDirectoryA with no security attributes: true when created.
  virtual bool CreateDirectoryWide(std::u16string_view path) = 0;
  virtual bool CreateDirectoryAnsi(std::u16string_view path) = 0;
};

}  // namespace lartsen
