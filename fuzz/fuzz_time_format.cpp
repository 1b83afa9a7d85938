// Feeds arbitrary moments and format texts to FormatDateTime: failures must be Error, never a crash.
#include <cstdint>
#include <cstring>
#include <string>

#include "support/error.h"
#include "template/locale_info.h"
#include "template/time_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Layout: 8 bytes of moment (a raw double, so NaN and huge values come too), one byte picking
  // the locale, then the format as UTF-16 code units.
  if (size < 9) return 0;
  double moment = 0.0;
  std::memcpy(&moment, data, sizeof moment);
  static const char* const kLocales[] = {"en-US", "ru-RU", "de-DE"};
  const lartsen::LocaleInfo& locale = lartsen::BuiltinLocale(kLocales[data[8] % 3]);
  std::u16string format((size - 9) / 2, u'\0');
  std::memcpy(format.data(), data + 9, format.size() * 2);
  try {
    const std::u16string text = lartsen::FormatDateTime(moment, format, locale);
    // Every output character comes from the format, the locale or digits; it cannot balloon.
    if (text.size() > 64 * (format.size() + 1)) __builtin_trap();
  } catch (const lartsen::Error&) {
  }
  return 0;
}
