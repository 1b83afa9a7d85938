// Whole-file reading through the C library, refusing files above the size limit.
#include "rules/stdio_file_reader.h"

#include <cstdio>
#include <memory>

#include "support/text.h"

namespace lartsen {

std::optional<std::string> StdioFileReader::ReadFileBytes(std::u16string_view path) {
  const std::string name = ToUtf8(path);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"), &std::fclose);
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[64 * 1024];
  // Read in pieces rather than trusting a size taken beforehand: the file may grow meanwhile,
  // and a path may name something that reports no size at all.
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes.append(buffer, got);
    if (bytes.size() > kMaxListFileBytes) return std::nullopt;
    if (got < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace lartsen
