// Paths between the core (backslash-joined UTF-16) and the Linux file system (slash-joined UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

// Backslashes become slashes: the core joins folder and name with a backslash.
std::string ToNativePath(std::u16string_view path);

// $XDG_CONFIG_HOME, else $HOME/.config; throws Error when neither is known.
std::string ConfigHome();

// $XDG_CONFIG_HOME/Nerrowind/Ларцен: the program's settings and the user's rules.
std::string ProgramConfigFolder();

}  // namespace lartsen
