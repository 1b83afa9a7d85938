// Text for the single-byte API calls: the system's ANSI code page, refusing what it cannot hold.
#include "platform/win32/ui/ansi_text.h"

#include <windows.h>

namespace lartsen::win32 {

std::optional<std::string> ToAnsi(std::u16string_view text) {
  if (text.empty()) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const UINT codePage = GetACP();
  // UTF-8 as the ANSI code page holds every character but takes neither flag nor default char.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr,
                                       utf8 ? nullptr : &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide, length, result.data(), size, nullptr,
                      utf8 ? nullptr : &usedDefault);
  if (usedDefault) return std::nullopt;
  return result;
}

}  // namespace lartsen::win32
