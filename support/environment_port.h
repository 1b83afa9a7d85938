// Port to the program's surroundings: its folder, special folders and absolute paths.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

inline constexpr int kCsidlAppData = 26;  // the user's roaming application-data folder

// Every call throws Error on a failure status.
class EnvironmentPort {
 public:
  virtual ~EnvironmentPort() = default;
  // The folder of the program's executable file, without a trailing separator.
  virtual std::u16string ProgramFolder() = 0;
  // IsInIDE: true for a developer build, whose data files lie in "Output" below the program folder.
  virtual bool IsInIDE() = 0;
  // GetSpecialFolder
  virtual std::u16string GetSpecialFolder(int csidl) = 0;
  // GetFullFileName: the absolute form of a path.
  virtual std::u16string GetFullFileName(std::u16string_view path) = 0;
};

}  // namespace lartsen
