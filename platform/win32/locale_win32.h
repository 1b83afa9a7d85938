// The user's regional settings on Windows, as the portable locale record.
#pragma once

#include <string>

#include "template/locale_info.h"

namespace lartsen::win32 {

// The name of the user's default locale ("ru-RU").
std::u16string UserDefaultLocaleName();

// Names, separators and designators of the user's default locale; the compound forms call the
// platform's date and time formatter so that they keep its grammar.
LocaleInfo UserDefaultLocaleInfo();

}  // namespace lartsen::win32
