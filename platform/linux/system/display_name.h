// The X server a display name points at, so that two spellings of one server count as one.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

// ":0", ":0.0", "unix:0" and "localhost:0.1" (or the machine's own name) all give ":0"; a
// remote server keeps its host: "far:1.0" gives "far:1". Empty for an empty or malformed name.
std::string ServerOfDisplay(std::string_view display, std::string_view ownHost);

// The same, of $DISPLAY and this machine, spelled for a file name (no slash).
std::string DisplayFileKey();

}  // namespace lartsen
