// ICCCM text properties (WM_NAME and the like) as the core's UTF-16 text.
#pragma once

#include <string>
#include <string_view>

namespace lartsen::x11 {

enum class TextEncoding { Latin1, Utf8, CompoundText };

// STRING is Latin-1, UTF8_STRING UTF-8. COMPOUND_TEXT is read for the sets window titles use:
// ASCII, the Latin-1 and Cyrillic (ISO 8859-5) right halves and UTF-8 segments; bytes of any
// other set are taken as Latin-1.
std::u16string DecodeTextProperty(TextEncoding encoding, std::string_view bytes);

}  // namespace lartsen::x11
