// Whole-file reading for the rules files, with the core's backslashes turned into slashes.
#pragma once

#include "rules/file_read_port.h"

namespace lartsen {

class FileReaderLinux final : public FileReadPort {
 public:
  // Throws Error for a file that exists but cannot be read.
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override;
};

}  // namespace lartsen
