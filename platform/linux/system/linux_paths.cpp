// Path text for the file system and the XDG configuration folder.
#include "platform/linux/system/linux_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "support/error.h"
#include "support/text.h"

namespace lartsen {

std::string ToNativePath(std::u16string_view path) { return ToUtf8(path); }

std::string ConfigHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;  // the XDG rule: a relative value is ignored
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') return std::string(home) + "/.config";
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) {
    return std::string(entry->pw_dir) + "/.config";
  }
  throw Error(status::kFail, UiText::NoUserConfigFolder);
}

std::string ProgramConfigFolder() { return ConfigHome() + "/Nerrowind/Ларцен"; }

}  // namespace lartsen
