// wcscoll_l over single folded characters under the user's collation locale.
#include "platform/linux/system/collation_linux.h"

#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <string>
#include <wchar.h>

namespace lartsen {
namespace {

const char* UserCollationName() {
  for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && value[0] != '\0') return value;
  }
  return "C";
}

bool IsPlainC(const char* name) {
  return std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
         std::strncmp(name, "C.", 2) == 0;
}

}  // namespace

LinuxCharacterOrder::LinuxCharacterOrder(const char* localeName) {
  const char* name = localeName && localeName[0] != '\0' ? localeName : UserCollationName();
  if (!IsPlainC(name)) {
    locale_ = newlocale(LC_COLLATE_MASK | LC_CTYPE_MASK, name, static_cast<locale_t>(0));
  }
}

LinuxCharacterOrder::~LinuxCharacterOrder() {
  if (locale_) freelocale(locale_);
}

int LinuxCharacterOrder::Compare(char16_t a, char16_t b) const {
  // Surrogate halves name no character of their own: the portable order judges them.
  const bool surrogate = (a >= 0xD800 && a <= 0xDFFF) || (b >= 0xD800 && b <= 0xDFFF);
  if (!locale_ || surrogate) return PortableCharacterOrder().Compare(a, b);
  const wchar_t wa[2] = {static_cast<wchar_t>(towlower_l(static_cast<wint_t>(a), locale_)), 0};
  const wchar_t wb[2] = {static_cast<wchar_t>(towlower_l(static_cast<wint_t>(b), locale_)), 0};
  const int result = wcscoll_l(wa, wb, locale_);
  if (result == 0 && wa[0] != wb[0]) return wa[0] < wb[0] ? -1 : 1;
  return result;
}

}  // namespace lartsen
