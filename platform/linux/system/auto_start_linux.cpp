// Writes, reads and removes the program's XDG autostart desktop entry.
#include "platform/linux/system/auto_start_linux.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/linux/system/linux_paths.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

// The Exec key's quoting: the path in double quotes, with its specials escaped.
std::string QuoteExec(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

XdgAutoStart::XdgAutoStart(std::string executable, std::string autostartFolder, UiLanguage language)
    : executable_(std::move(executable)), folder_(std::move(autostartFolder)), language_(language) {}

std::string XdgAutoStart::EntryPath() const {
  const std::string folder = folder_.empty() ? ConfigHome() + "/autostart" : folder_;
  return folder + "/lartsen.desktop";
}

bool XdgAutoStart::IsAutoStartEnabled(std::u16string_view) {
  std::ifstream in(EntryPath());
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return false;
  }
  return true;
}

void XdgAutoStart::EnableAutoStart(std::u16string_view key) {
  const std::string path = EntryPath();
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  std::ofstream out(path, std::ios::trunc);
  out << "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Lartsen\n"
         "Name[ru]=Ларцен\n"
         "Comment=The time in the title of the active window\n"
         "Comment[ru]=Время в заголовке активного окна\n"
      << "Exec=" << QuoteExec(executable_) << "\n"
      << "Icon=lartsen\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n"
      << "X-Lartsen-Key=" << ToUtf8(key) << "\n";
  out.flush();
  if (!out) throw Error(status::kFail, std::u16string(TextOf(UiText::CouldNotWriteBefore, language_)) + FromUtf8(path));
}

void XdgAutoStart::DisableAutoStart(std::u16string_view) {
  std::error_code error;
  std::filesystem::remove(EntryPath(), error);
  if (error) {
    throw Error(status::kFail, std::u16string(TextOf(UiText::CouldNotRemoveBefore, language_)) + FromUtf8(EntryPath()));
  }
}

}  // namespace lartsen
