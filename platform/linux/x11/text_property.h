// ICCCM text properties (WM_NAME and the like) as the core's UTF-16 text.
#pragma once

#include <string>
#include <string_view>

namespace lartsen::x11 {

enum class TextEncoding { Latin1, Utf8, CompoundText };

// STRING is Latin-1, UTF8_STRING UTF-8. COMPOUND_TEXT is read for the sets window titles use:
// ASCII, the Latin-1 and Cyrillic (ISO 8859-5) right halves and UTF-8 segments; bytes of any
// other set are taken as Latin-1. `exact`, when given, tells whether the text is exactly what
// the bytes say: false for malformed UTF-8 and for characters of a set this reader does not
// know (other right halves, multi-byte sets, extended segments). Such a text must never be
// written back in place of the original.
std::u16string DecodeTextProperty(TextEncoding encoding, std::string_view bytes, bool* exact = nullptr);

}  // namespace lartsen::x11
