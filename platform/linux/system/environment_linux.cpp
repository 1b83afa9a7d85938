// Data folder chosen by a file beside the executable; special folders from the XDG variables.
#include "platform/linux/system/environment_linux.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/linux/system/linux_paths.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {

std::string ExecutablePath() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) throw Error(status::kFail, UiText::CannotFindProgramFolder);
  return exe.string();
}

std::string ExecutableFolder() { return std::filesystem::path(ExecutablePath()).parent_path().string(); }

EnvironmentLinux::EnvironmentLinux(std::string installedDataFolder) {
  const std::string beside = ExecutableFolder();
  std::error_code error;
  const bool buildTree = std::filesystem::is_regular_file(beside + "/Conditions.INI", error);
  // Installed under any prefix (/usr, /usr/local, a package unpacked elsewhere): bin/../share/lartsen.
  const std::string shared = std::filesystem::path(beside).parent_path().string() + "/share/lartsen";
  const bool besideShare = !buildTree && std::filesystem::is_regular_file(shared + "/Conditions.INI", error);
  programFolder_ = FromUtf8(buildTree ? beside : besideShare ? shared : installedDataFolder);
}

std::u16string EnvironmentLinux::GetSpecialFolder(int csidl) {
  if (csidl != kCsidlAppData) throw Error(status::kInvalidArgument, UiText::UnknownSpecialFolder);
  return FromUtf8(ConfigHome());
}

std::u16string EnvironmentLinux::GetFullFileName(std::u16string_view path) {
  std::error_code error;
  const auto full = std::filesystem::absolute(ToNativePath(path), error);
  if (error) throw Error(status::kFail, UiText::CannotGetFullPath);
  return FromUtf8(full.lexically_normal().string());
}

}  // namespace lartsen
