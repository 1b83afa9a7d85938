// In-memory files for tests of the rules: a path-to-bytes map behind the file-reading port.
#pragma once

#include <map>
#include <set>
#include <string>

#include "rules/file_read_port.h"
#include "support/error.h"

namespace lartsen {

class FakeFiles final : public FileReadPort {
 public:
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override {
    if (unreadable.contains(std::u16string(path))) throw Error(status::kFail, u"Permission denied");
    const auto it = files.find(std::u16string(path));
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::u16string, std::string> files;
  std::set<std::u16string> unreadable;  // there, but reading them fails
};

}  // namespace lartsen
