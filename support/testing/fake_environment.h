// The program's surroundings as a test sets them: program folder, application-data folder.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "support/environment_port.h"
#include "support/error.h"

namespace lartsen {

// Paths are taken as absolute already, as the real call leaves an absolute path, unless the test
// names a current folder for relative ones.
class FakeEnvironment : public EnvironmentPort {
 public:
  FakeEnvironment() = default;
  explicit FakeEnvironment(std::u16string folder) : programFolder(std::move(folder)) {}

  std::u16string programFolder = u"C:\\Prog";
  std::u16string appData = u"C:\\Users\\u\\AppData\\Roaming";
  bool inIde = false;
  bool failSpecialFolder = false;
  std::u16string currentFolder;  // where a relative path resolves; empty: every path as given

  std::u16string ProgramFolder() override { return programFolder; }
  bool IsInIDE() override { return inIde; }
  std::u16string GetSpecialFolder(int csidl) override {
    if (failSpecialFolder || csidl != kCsidlAppData) throw Error(status::kFail, u"no such folder");
    return appData;
  }
  std::u16string GetFullFileName(std::u16string_view path) override {
    const bool absolute = path.starts_with(u"\\\\") || (path.size() >= 2 && path[1] == u':');
    if (currentFolder.empty() || absolute) return std::u16string(path);
    return currentFolder + u"\\" + std::u16string(path);
  }
};

}  // namespace lartsen
