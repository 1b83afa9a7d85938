// Whole-file reading through the C library, for hosts whose paths are UTF-8 byte strings.
#pragma once

#include "rules/file_read_port.h"

namespace lartsen {

class StdioFileReader final : public FileReadPort {
 public:
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override;
};

}  // namespace lartsen
