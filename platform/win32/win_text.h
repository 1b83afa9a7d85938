// Conversions between the core's UTF-16 text and the wide strings of the Windows API.
#pragma once

#include <string>
#include <string_view>

namespace lartsen::win32 {

inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}
inline std::u16string Utf16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace lartsen::win32
