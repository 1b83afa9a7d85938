// Port to reading a whole small file, so that each host opens paths its own way.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lartsen {

// Rules files are small; anything larger than this is refused unread.
inline constexpr std::size_t kMaxListFileBytes = 4u * 1024u * 1024u;

class FileReadPort {
 public:
  virtual ~FileReadPort() = default;
  // The file's bytes; none when it is missing or is larger than kMaxListFileBytes. A file that
  // exists but cannot be read gives none as well, or, where the host can tell the two apart,
  // throws Error naming the file and the reason, so that the user learns why the rules are
  // missing.
  virtual std::optional<std::string> ReadFileBytes(std::u16string_view path) = 0;
};

// Port to the host's single-byte ("ANSI") code page, for files without a Unicode signature.
class AnsiDecodePort {
 public:
  virtual ~AnsiDecodePort() = default;
  virtual std::u16string DecodeAnsi(std::string_view bytes) = 0;
};

}  // namespace lartsen
