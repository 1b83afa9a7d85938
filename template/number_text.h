// Number text of the memory figures: a double as OLE Automation's VarBstrFromR8 writes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lartsen {

// Plain decimal digits of `value`, zero-padded to `minimumDigits`. Appends to `out`.
void AppendDecimalDigits(std::u16string& out, std::uint64_t value, int minimumDigits = 1);

// Whole numbers as plain digits without grouping; at most 15 significant digits; magnitudes of
// 1E+15 and above (and below 0.0001) in exponent form ("1E+15", "1.23456789012346E+15").
// `decimalSeparator` is the locale's ("." en-US, "," ru-RU). Appends to `out`.
void AppendNumberText(std::u16string& out, double value, std::u16string_view decimalSeparator);

inline std::u16string NumberText(double value, std::u16string_view decimalSeparator) {
  std::u16string out;
  AppendNumberText(out, value, decimalSeparator);
  return out;
}

}  // namespace lartsen
