// In-memory files for tests of the rules: a path-to-bytes map behind the file-reading port.
#pragma once

#include <map>
#include <string>

#include "rules/file_read_port.h"

namespace lartsen {

class FakeFiles final : public FileReadPort {
 public:
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override {
    const auto it = files.find(std::u16string(path));
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::u16string, std::string> files;
};

}  // namespace lartsen
