// Arbitrary texts in the refresh-rate field: a number is accepted only as the plain decimal
// reading of the text says, and rounding never leaves the 32-bit range.
#include <cmath>
#include <cstdlib>
#include <string>

#include "settings/settings_dialog_logic.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lartsen;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LocaleInfo locale;
  locale.DecimalSeparator = u".";
  const auto parsed = ParseRefreshRate(FromUtf8(bytes), locale);
  if (!parsed) return 0;
  // Whatever was accepted reads as a number within half a unit of the result.
  std::string ascii;
  for (char c : bytes) {
    if (c != ' ' && c != '\t') ascii += c;
  }
  if (ascii.find_first_not_of("+-0123456789.") != std::string::npos) return 0;  // non-breaking blanks
  char* end = nullptr;
  const double value = std::strtod(ascii.c_str(), &end);
  if (end == ascii.c_str() || std::fabs(value - *parsed) > 0.5 + 1e-9 * std::fabs(value)) std::abort();
  return 0;
}
