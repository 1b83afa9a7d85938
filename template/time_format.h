// The date and time format notation of the time placeholder (the notation of VB's Format for dates).
#pragma once

#include <string>
#include <string_view>

#include "template/locale_info.h"

namespace lartsen {

// Formats an OLE date moment with a format text under a locale; Sunday is the first day of the
// week and the week of 1 January is week 1. Keeps no state. Throws Error when the moment is out
// of range, when the format is a number or text format, or when it has more than four sections.
std::u16string FormatDateTime(double moment, std::u16string_view format, const LocaleInfo& locale);

}  // namespace lartsen
