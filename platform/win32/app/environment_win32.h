// The program's surroundings on Windows: its folder, the special folders, absolute paths.
#pragma once

#include "support/environment_port.h"

namespace lartsen::win32 {

class EnvironmentWin32 final : public EnvironmentPort {
 public:
  std::u16string ProgramFolder() override;
  // A built program is never inside a development environment.
  bool IsInIDE() override { return false; }
  std::u16string GetSpecialFolder(int csidl) override;
  std::u16string GetFullFileName(std::u16string_view path) override;
};

}  // namespace lartsen::win32
