// Whole-file reading for the rules files, with the core's backslashes turned into slashes.
#pragma once

#include "rules/file_read_port.h"
#include "rules/stdio_file_reader.h"

namespace lartsen {

class FileReaderLinux final : public FileReadPort {
 public:
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override;

 private:
  StdioFileReader stdio_;
};

}  // namespace lartsen
