// A file system in memory behind the directory calls, recording every call it is given.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fsutil/file_system_port.h"
#include "support/text.h"

namespace lartsen {

// Entries are kept under plain paths: a long-path prefix ("\\?\C:\x", "\\?\UNC\srv\sh") names
// the same entry as the path without it, as on a real disk. Creating an existing entry fails.
class FakeFileSystem : public FileSystemPort {
 public:
  std::map<std::u16string, std::uint32_t> entries;  // plain path -> attributes
  std::vector<std::string> calls;                   // "attrW path", "mkdirA path", ... as called
  bool refuseCreation = false;

  void AddDirectory(std::u16string_view path) { entries[std::u16string(path)] = kFileAttributeDirectory; }

  std::uint32_t FileAttributesWide(std::u16string_view path) override { return Attributes("attrW", path); }
  std::uint32_t FileAttributesAnsi(std::u16string_view path) override { return Attributes("attrA", path); }
  bool CreateDirectoryWide(std::u16string_view path) override { return Create("mkdirW", path); }
  bool CreateDirectoryAnsi(std::u16string_view path) override { return Create("mkdirA", path); }

  // The creation calls alone, in order.
  std::vector<std::string> Created() const {
    std::vector<std::string> made;
    for (const auto& c : calls) if (c.starts_with("mkdir")) made.push_back(c);
    return made;
  }

 private:
  static std::u16string Plain(std::u16string_view path) {
    // Appended rather than joined with operator+, which GCC 12 warns about wrongly (-Wrestrict).
    if (path.starts_with(u"\\\\?\\UNC\\")) return std::u16string(u"\\").append(path.substr(7));
    if (path.starts_with(u"\\\\?\\")) return std::u16string(path.substr(4));
    return std::u16string(path);
  }
  std::uint32_t Attributes(const char* kind, std::u16string_view path) {
    calls.push_back(std::string(kind) + " " + ToUtf8(path));
    const auto it = entries.find(Plain(path));
    return it == entries.end() ? kInvalidFileAttributes : it->second;
  }
  bool Create(const char* kind, std::u16string_view path) {
    calls.push_back(std::string(kind) + " " + ToUtf8(path));
    if (refuseCreation || entries.contains(Plain(path))) return false;
    AddDirectory(Plain(path));
    return true;
  }
};

}  // namespace lartsen
