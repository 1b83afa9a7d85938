// Number text of the memory figures: a double as OLE Automation's VarBstrFromR8 writes it.
#include "template/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lartsen {
namespace {

constexpr double kExponentFrom = 1e15;    // 16 digits no longer fit in 15 significant ones
constexpr double kSmallestPlain = 1e-5;   // smaller magnitudes switch to exponent form too

void AppendDigits(std::u16string& out, std::uint64_t n) {
  char16_t buffer[20];
  int i = 20;
  do {
    buffer[--i] = static_cast<char16_t>(u'0' + n % 10);
    n /= 10;
  } while (n != 0);
  out.append(buffer + i, buffer + 20);
}

}  // namespace

void AppendNumberText(std::u16string& out, double value, std::u16string_view decimalSeparator) {
  if (std::isnan(value) || std::isinf(value)) {
    // Never produced by the memory figures; keep a readable text rather than garbage.
    out += std::isnan(value) ? u"NaN" : (value < 0 ? u"-Inf" : u"Inf");
    return;
  }
  const double magnitude = std::fabs(value);
  // The common case, byte counts: whole numbers below 1E+15 are exact in 15 digits.
  if (magnitude < kExponentFrom && value == std::trunc(value)) {
    if (value < 0) out += u'-';
    AppendDigits(out, static_cast<std::uint64_t>(magnitude));
    return;
  }
  // Round to 15 significant digits once, then lay the digits out.
  char text[32];
  std::snprintf(text, sizeof text, "%.14e", magnitude);  // d.dddddddddddddde±XX
  int exponent = std::atoi(text + 17);
  char digits[15];
  digits[0] = text[0];
  for (int i = 1; i < 15; ++i) digits[i] = text[i + 1];
  int count = 15;
  while (count > 1 && digits[count - 1] == '0') --count;

  if (value < 0) out += u'-';
  const double rounded = std::strtod(text, nullptr);
  if (rounded >= kExponentFrom || rounded < kSmallestPlain) {
    out += static_cast<char16_t>(digits[0]);
    if (count > 1) {
      out += decimalSeparator;
      for (int i = 1; i < count; ++i) out += static_cast<char16_t>(digits[i]);
    }
    out += u'E';
    out += exponent < 0 ? u'-' : u'+';
    const int e = exponent < 0 ? -exponent : exponent;
    if (e < 10) out += u'0';
    AppendDigits(out, static_cast<std::uint64_t>(e));
    return;
  }
  if (exponent < 0) {
    out += u'0';
    out += decimalSeparator;
    for (int i = -1; i > exponent; --i) out += u'0';
    for (int i = 0; i < count; ++i) out += static_cast<char16_t>(digits[i]);
    return;
  }
  for (int i = 0; i <= exponent; ++i) out += static_cast<char16_t>(i < count ? digits[i] : '0');
  if (count > exponent + 1) {
    out += decimalSeparator;
    for (int i = exponent + 1; i < count; ++i) out += static_cast<char16_t>(digits[i]);
  }
}

}  // namespace lartsen
