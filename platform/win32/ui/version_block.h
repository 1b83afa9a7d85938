// The program's title and version from the version block of the running executable.
#pragma once

#include <string>

namespace lartsen::win32 {

struct ProgramVersion {
  std::wstring Title;    // ProductName, else FileDescription; empty without a version block
  std::wstring Version;  // "1.0.0" from the fixed file version; empty without a version block
};

// Reads the block of `modulePath`, or of the running executable when it is empty.
ProgramVersion ReadProgramVersion(const std::wstring& modulePath = {});

}  // namespace lartsen::win32
