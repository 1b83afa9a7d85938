// Short human-readable byte counts, the way the shell shows sizes: "512 bytes", "1,50 KB".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lartsen {

// The words after the number, each with its leading space: bytes, then KB, MB, GB, TB, PB, EB.
using ByteSizeUnits = std::array<std::u16string, 7>;

// " bytes", " KB", " MB", ... as an English-language shell writes them.
const ByteSizeUnits& EnglishByteSizeUnits();

// Appends `bytes` as at most three significant digits (cut, never rounded up) in the largest
// unit that keeps the number below 1000, with the decimals that make three digits ("1,50 KB",
// "15,3 MB", "152 GB"); counts below 1024 as whole bytes. Fractions of a byte are dropped, a
// negative count gets "-" before the size of its magnitude, NaN counts as 0 and counts beyond
// the 64-bit range as its largest value. Exact for every count: no floating-point rounding
// can turn 1,99 into 1,98.
void AppendByteSizeText(std::u16string& out, double bytes, std::u16string_view decimalSeparator,
                        const ByteSizeUnits& units);

}  // namespace lartsen
