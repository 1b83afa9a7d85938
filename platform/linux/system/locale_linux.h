// The regional record from the user's LC_TIME (and LC_NUMERIC for the decimal separator).
#pragma once

#include <string>
#include <string_view>

#include "template/locale_info.h"

namespace lartsen {

// The record of `localeName` ("" : the user's, from the environment); the C locale's names
// when that locale is not installed.
LocaleInfo LinuxLocaleInfo(const char* localeName = "");

// A strftime pattern ("%d.%m.%Y", "%I:%M:%S %p") as a Windows date/time picture
// ("dd.MM.yyyy", "hh:mm:ss tt"); other text is quoted.
std::u16string StrftimePicture(std::string_view pattern);

}  // namespace lartsen
