// The file-system calls of nested directory creation on Windows: wide and single-byte routes.
#include "platform/win32/ui/file_system_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/ui/ansi_text.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {

std::uint32_t FileSystem::FileAttributesWide(std::u16string_view path) {
  return GetFileAttributesW(Wide(path).c_str());
}

std::uint32_t FileSystem::FileAttributesAnsi(std::u16string_view path) {
  const auto ansi = ToAnsi(path);
  if (!ansi) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesA(ansi->c_str());
}

bool FileSystem::CreateDirectoryWide(std::u16string_view path) {
  return CreateDirectoryW(Wide(path).c_str(), nullptr) != 0;
}

bool FileSystem::CreateDirectoryAnsi(std::u16string_view path) {
  const auto ansi = ToAnsi(path);
  if (!ansi) return false;
  return CreateDirectoryA(ansi->c_str(), nullptr) != 0;
}

}  // namespace lartsen::win32
