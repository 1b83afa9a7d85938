// The program's surroundings on Linux: its data folder and the XDG configuration folder.
#pragma once

#include <string>

#include "support/environment_port.h"

namespace lartsen {

// The data folder (rules, examples, read-me) is the executable's folder when a main rules file
// lies beside it (a build tree), else share/lartsen beside the executable's bin folder when it
// holds one (an installed package, whatever its prefix), else `installedDataFolder`.
class EnvironmentLinux final : public EnvironmentPort {
 public:
  explicit EnvironmentLinux(std::string installedDataFolder = "/usr/share/lartsen");

  std::u16string ProgramFolder() override { return programFolder_; }
  bool IsInIDE() override { return false; }
  // kCsidlAppData: $XDG_CONFIG_HOME (else ~/.config), where "Nerrowind/Ларцен" lives.
  std::u16string GetSpecialFolder(int csidl) override;
  std::u16string GetFullFileName(std::u16string_view path) override;

 private:
  std::u16string programFolder_;
};

// The running executable and its folder, from /proc/self/exe.
std::string ExecutablePath();
std::string ExecutableFolder();

}  // namespace lartsen
