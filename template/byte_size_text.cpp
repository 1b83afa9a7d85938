// Short human-readable byte counts in whole-number arithmetic.
#include "template/byte_size_text.h"

#include <cmath>
#include <cstdint>

#include "template/number_text.h"

namespace lartsen {
namespace {

// floor(x * m / 2^shift) without overflow, for m < 2^7 and 10 <= shift <= 63: the product is
// formed in two 32-bit halves.
std::uint64_t MulShift(std::uint64_t x, std::uint32_t m, unsigned shift) {
  const std::uint64_t low = (x & 0xFFFFFFFFu) * m;                // below 2^39
  const std::uint64_t high = (x >> 32) * m + (low >> 32);         // below 2^40
  const std::uint64_t lowHalf = low & 0xFFFFFFFFu;
  if (shift >= 32) return high >> (shift - 32);
  return (high << (32 - shift)) | (lowHalf >> shift);             // high < 2^40, shift >= 10
}

}  // namespace

const ByteSizeUnits& EnglishByteSizeUnits() {
  static const ByteSizeUnits units = {u" bytes", u" KB", u" MB", u" GB", u" TB", u" PB", u" EB"};
  return units;
}

void AppendByteSizeText(std::u16string& out, double bytes, std::u16string_view decimalSeparator,
                        const ByteSizeUnits& units) {
  if (std::isnan(bytes)) bytes = 0;
  if (bytes < 0) {
    out.push_back(u'-');
    bytes = -bytes;
  }
  constexpr double kLargest = 9223372036854774784.0;  // the largest double below 2^63
  const std::uint64_t count = static_cast<std::uint64_t>(bytes < kLargest ? bytes : kLargest);
  if (count < 1024) {
    AppendDecimalDigits(out, count, 1);
    out += units[0];
    return;
  }
  std::size_t unit = 1;
  unsigned shift = 10;
  while ((count >> shift) >= 1000 && unit + 1 < units.size()) {
    ++unit;
    shift += 10;
  }
  const std::uint64_t whole = count >> shift;
  const int decimals = whole < 10 ? 2 : (whole < 100 ? 1 : 0);
  AppendDecimalDigits(out, whole, 1);
  if (decimals > 0) {
    const std::uint64_t rest = count & ((std::uint64_t{1} << shift) - 1);
    out += decimalSeparator;
    AppendDecimalDigits(out, MulShift(rest, decimals == 2 ? 100 : 10, shift), decimals);
  }
  out += units[unit];
}

}  // namespace lartsen
