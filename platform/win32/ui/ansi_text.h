// Text for the single-byte API calls: the system's ANSI code page, refusing what it cannot hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lartsen::win32 {

// The text in the ANSI code page, or nothing when a character has no exact equivalent there
// (a replacement character would name a different file, or none).
std::optional<std::string> ToAnsi(std::u16string_view text);

}  // namespace lartsen::win32
