// Creating a directory together with every missing parent, for local and network paths.
#pragma once

#include <string>
#include <string_view>

#include "fsutil/file_system_port.h"
#include "support/environment_port.h"
#include "support/host_port.h"

namespace lartsen {

// Keeps no state between calls; the ports are only borrowed.
class ComplexDirectory {
 public:
  ComplexDirectory(FileSystemPort& fileSystem, HostPort& host, EnvironmentPort& environment);

  // True when every directory of the path exists at the end. Refusals and failed creations
  // give false; directories made before a failure stay. Errors of the environment or host
  // ports (absolute path, host test) pass to the caller.
  bool CreateComplexDirectory(std::u16string_view Path, bool UseUnicode);

  bool DirectoryExists(std::u16string_view Path, bool IsUNC, bool UseUnicode);
  bool MakeDirectory(std::u16string_view Path, bool IsUNC, bool UseUnicode);

 private:
  FileSystemPort& fileSystem_;
  HostPort& host_;
  EnvironmentPort& environment_;
};

// "\\?\" before a local path, "\\?\UNC\" in place of the two leading backslashes of a network path.
std::u16string AddLongPathPrefix(std::u16string_view Path, bool IsUNC);
std::u16string TrimLeadingBackslashes(std::u16string_view text);
std::u16string TrimTrailingBackslashes(std::u16string_view text);
// No two backslashes side by side.
std::u16string CollapseBackslashes(std::u16string_view text);

}  // namespace lartsen
