// Paths between the core (UTF-16) and the Linux file system (UTF-8), and the XDG folders.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

// The path as the file system takes it: UTF-8 (the core joins POSIX folders with slashes).
std::string ToNativePath(std::u16string_view path);

// $XDG_CONFIG_HOME, else $HOME/.config; throws Error when neither is known.
std::string ConfigHome();

// $XDG_CONFIG_HOME/Nerrowind/Ларцен: the program's settings and the user's rules.
std::string ProgramConfigFolder();

}  // namespace lartsen
