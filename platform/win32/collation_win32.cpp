// The user's locale order for the rules' bracket ranges, through the platform's string comparison.
#include "platform/win32/collation_win32.h"

#include <windows.h>

#include "platform/win32/locale_calls_win32.h"

namespace lartsen::win32 {

int UserLocaleCharacterOrder::Compare(char16_t a, char16_t b) const {
  const wchar_t wa = static_cast<wchar_t>(a);
  const wchar_t wb = static_cast<wchar_t>(b);
  const int result =
      LocaleCalls::Host().CompareText(NORM_IGNORECASE | SORT_STRINGSORT, &wa, 1, &wb, 1);
  if (result == 0) return PortableCharacterOrder().Compare(a, b);
  return result - CSTR_EQUAL;
}

const CharacterOrder& UserCharacterOrder() {
  static const UserLocaleCharacterOrder order;
  return order;
}

}  // namespace lartsen::win32
