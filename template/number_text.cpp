// Number text of the memory figures: a double as OLE Automation's VarBstrFromR8 writes it.
#include "template/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lartsen {
namespace {

// 16 digits no longer fit in 15 significant ones; from there on the exponent form.
constexpr double kExponentFrom = 1e15;

}  // namespace

void AppendDecimalDigits(std::u16string& out, std::uint64_t value, int minimumDigits) {
  constexpr int kSize = 24;
  char16_t buffer[kSize];
  int i = kSize;
  // A 64-bit division is a library call on the 32-bit build, and every tick writes a dozen
  // byte counts: take nine digits at a time with one such division, the rest in 32 bits.
  while (value > 0xFFFFFFFFu) {
    std::uint32_t chunk = static_cast<std::uint32_t>(value % 1000000000u);
    value /= 1000000000u;
    for (int k = 0; k < 9; ++k) {
      buffer[--i] = static_cast<char16_t>(u'0' + chunk % 10);
      chunk /= 10;
    }
  }
  std::uint32_t low = static_cast<std::uint32_t>(value);
  do {
    buffer[--i] = static_cast<char16_t>(u'0' + low % 10);
    low /= 10;
  } while (low != 0);
  while (kSize - i < minimumDigits && i > 0) buffer[--i] = u'0';
  out.append(buffer + i, buffer + kSize);
}

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
    AppendDecimalDigits(out, static_cast<std::uint64_t>(magnitude));
    return;
  }
  // Round to 15 significant digits, halves away from zero as the platform does (printf would
  // round an exact tie such as 1125899906842625 to even). 40 digits show whether it is a tie.
  char text[64];
  std::snprintf(text, sizeof text, "%.40e", magnitude);  // d.ddd…e±XX
  int exponent = std::atoi(std::strchr(text, 'e') + 1);
  char digits[16];
  digits[0] = text[0];
  for (int i = 1; i < 16; ++i) digits[i] = text[i + 1];
  if (digits[15] >= '5') {
    int i = 14;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {  // 999…9 became 1000…0
      digits[0] = '1';
      ++exponent;
    }
  }
  int count = 15;
  while (count > 1 && digits[count - 1] == '0') --count;

  if (value < 0) out += u'-';
  if (exponent >= 15 || exponent < -4) {  // from 1E+15, and below 0.0001
    out += static_cast<char16_t>(digits[0]);
    if (count > 1) {
      out += decimalSeparator;
      for (int i = 1; i < count; ++i) out += static_cast<char16_t>(digits[i]);
    }
    out += u'E';
    out += exponent < 0 ? u'-' : u'+';
    const int e = exponent < 0 ? -exponent : exponent;
    if (e < 10) out += u'0';
    AppendDecimalDigits(out, static_cast<std::uint64_t>(e));
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
