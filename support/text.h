// Conversions between UTF-16 (the core's text) and UTF-8, for the edges that are not UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Ill-formed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);
// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace lartsen
