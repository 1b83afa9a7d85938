// Starting at logon: a value in the user's Run key holding the quoted program path.
#pragma once

#include <string>

#include "app/app_ports.h"

namespace lartsen::win32 {

inline constexpr std::u16string_view kRunKeyPath =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegistryAutoStart : public AutoStartPort {
 public:
  // `programPath` empty: the running program's own file. `runKeyPath` lies below HKEY_CURRENT_USER.
  explicit RegistryAutoStart(std::u16string programPath = {},
                             std::u16string runKeyPath = std::u16string(kRunKeyPath));

  // Enabled when the value named `key` starts this program: its path (quoted or not) is the
  // program's, letter case aside. Throws Error on a registry failure.
  bool IsAutoStartEnabled(std::u16string_view key) override;
  // Writes the program's current path, quoted, so that a moved program repairs its entry.
  void EnableAutoStart(std::u16string_view key) override;
  // Removing an absent value is no failure.
  void DisableAutoStart(std::u16string_view key) override;

 private:
  std::u16string ProgramPath() const;

  std::u16string programPath_;
  std::u16string runKeyPath_;
};

// The full path of the running program's file.
std::u16string RunningProgramPath();

}  // namespace lartsen::win32
