// Windows-1251 decoding and the portable ANSI decoder.
#include "rules/portable_ansi.h"

#include "support/text.h"

namespace lartsen {
namespace {

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я in alphabetical order. The unassigned 0x98 maps
// to U+0098 as the Windows conversion does.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

}  // namespace

std::u16string DecodeWindows1251(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < 0x80) {
      text.push_back(b);
    } else if (b < 0xC0) {
      text.push_back(kUpperHalf[b - 0x80]);
    } else {
      text.push_back(static_cast<char16_t>(u'А' + (b - 0xC0)));
    }
  }
  return text;
}

std::u16string PortableAnsiDecoder::DecodeAnsi(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return FromUtf8(bytes);
  return DecodeWindows1251(bytes);
}

}  // namespace lartsen
