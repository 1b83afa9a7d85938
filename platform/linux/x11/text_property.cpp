// Latin-1, UTF-8 and the common COMPOUND_TEXT escape sequences decoded to UTF-16.
#include "platform/linux/x11/text_property.h"

#include "support/text.h"

namespace lartsen::x11 {
namespace {

enum class RightHalf { Latin1, Cyrillic };

// ISO 8859-5, 0xA0..0xFF.
char16_t Cyrillic(unsigned char byte) {
  if (byte == 0xA0) return 0x00A0;
  if (byte == 0xAD) return 0x00AD;
  if (byte == 0xF0) return 0x2116;
  if (byte == 0xFD) return 0x00A7;
  return static_cast<char16_t>(0x0400 + (byte - 0xA0));
}

std::u16string DecodeCompound(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  RightHalf right = RightHalf::Latin1;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == 0x1B && i + 2 < bytes.size() && bytes[i + 1] == '%' && bytes[i + 2] == 'G') {
      // A UTF-8 segment, up to ESC % @ or the end.
      const std::size_t start = i + 3;
      std::size_t end = bytes.find("\x1b%@", start);
      if (end == std::string_view::npos) end = bytes.size();
      text += FromUtf8(bytes.substr(start, end - start));
      i = end == bytes.size() ? end : end + 3;
      continue;
    }
    if (byte == 0x1B && i + 2 < bytes.size()) {
      const char intermediate = bytes[i + 1];
      const char final = bytes[i + 2];
      if (intermediate == '-' && final == 'L') right = RightHalf::Cyrillic;
      else if (intermediate == '-') right = RightHalf::Latin1;
      i += 3;  // ESC ( B and the like: the left half stays ASCII
      continue;
    }
    if (byte >= 0xA0 && right == RightHalf::Cyrillic) {
      text += Cyrillic(byte);
    } else {
      text += static_cast<char16_t>(byte);
    }
    ++i;
  }
  return text;
}

}  // namespace

std::u16string DecodeTextProperty(TextEncoding encoding, std::string_view bytes) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return FromUtf8(bytes);
    case TextEncoding::CompoundText:
      return DecodeCompound(bytes);
    case TextEncoding::Latin1:
      break;
  }
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace lartsen::x11
