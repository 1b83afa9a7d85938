// The list reader's ports on Windows: wide-path file reading and the ANSI code page.
#pragma once

#include "rules/file_read_port.h"

namespace lartsen::win32 {

// Opens the path with the wide API (shared for reading and writing, so a file open in an
// editor can still be read) and refuses files above kMaxListFileBytes.
class Win32FileReader final : public FileReadPort {
 public:
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override;
};

// The system's ANSI code page (CP_ACP) through MultiByteToWideChar.
class Win32AnsiDecoder final : public AnsiDecodePort {
 public:
  std::u16string DecodeAnsi(std::string_view bytes) override;
};

}  // namespace lartsen::win32
