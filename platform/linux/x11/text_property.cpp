// Latin-1, UTF-8 and the common COMPOUND_TEXT escape sequences decoded to UTF-16, and whether exactly.
#include "platform/linux/x11/text_property.h"

#include "support/text.h"

namespace lartsen::x11 {
namespace {

// The sets designated into the two halves; Other: a set this reader cannot map.
enum class LeftHalf { Ascii, Other };
enum class RightHalf { Latin1, Cyrillic, Other };

// ISO 8859-5, 0xA0..0xFF.
char16_t Cyrillic(unsigned char byte) {
  if (byte == 0xA0) return 0x00A0;
  if (byte == 0xAD) return 0x00AD;
  if (byte == 0xF0) return 0x2116;
  if (byte == 0xFD) return 0x00A7;
  return static_cast<char16_t>(0x0400 + (byte - 0xA0));
}

bool IsIntermediate(unsigned char byte) { return byte >= 0x20 && byte <= 0x2F; }

std::u16string DecodeCompound(std::string_view bytes, bool& exact) {
  std::u16string text;
  text.reserve(bytes.size());
  LeftHalf left = LeftHalf::Ascii;
  RightHalf right = RightHalf::Latin1;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == 0x1B && i + 2 < bytes.size() && bytes[i + 1] == '%' && bytes[i + 2] == 'G') {
      // A UTF-8 segment, up to ESC % @ or the end.
      const std::size_t start = i + 3;
      std::size_t end = bytes.find("\x1b%@", start);
      if (end == std::string_view::npos) end = bytes.size();
      const std::string_view segment = bytes.substr(start, end - start);
      exact = exact && IsValidUtf8(segment);
      text += FromUtf8(segment);
      i = end == bytes.size() ? end : end + 3;
      continue;
    }
    if (byte == 0x1B) {
      // ESC, intermediates (0x20..0x2F), one final byte.
      std::size_t end = i + 1;
      while (end < bytes.size() && IsIntermediate(static_cast<unsigned char>(bytes[end]))) ++end;
      const std::string_view sequence = bytes.substr(i + 1, end - i - 1);
      const char final = end < bytes.size() ? bytes[end] : '\0';
      if (sequence == "(") {
        left = final == 'B' ? LeftHalf::Ascii : LeftHalf::Other;
      } else if (sequence == "-") {
        right = final == 'A' ? RightHalf::Latin1 : final == 'L' ? RightHalf::Cyrillic : RightHalf::Other;
      } else if (sequence == ")") {
        right = RightHalf::Other;  // a 94-set in the right half
      } else if (sequence.starts_with('$')) {
        // Multi-byte sets (ESC $ ( B and the like): whichever half they take is lost to us.
        if (sequence.size() > 1 && (sequence[1] == ')' || sequence[1] == '-')) right = RightHalf::Other;
        else left = LeftHalf::Other;
      } else {
        exact = false;  // extended segments, direction and any sequence not known here
      }
      i = end < bytes.size() ? end + 1 : end;
      continue;
    }
    if (byte >= 0xA0) {
      exact = exact && right != RightHalf::Other;
      text += right == RightHalf::Cyrillic ? Cyrillic(byte) : static_cast<char16_t>(byte);
    } else {
      if (byte >= 0x21 && byte <= 0x7E) exact = exact && left == LeftHalf::Ascii;
      else if (byte >= 0x80) exact = false;  // C1 controls other than a known sequence
      text += static_cast<char16_t>(byte);
    }
    ++i;
  }
  return text;
}

}  // namespace

std::u16string DecodeTextProperty(TextEncoding encoding, std::string_view bytes, bool* exact) {
  bool whole = true;
  std::u16string text;
  switch (encoding) {
    case TextEncoding::Utf8:
      whole = IsValidUtf8(bytes);
      text = FromUtf8(bytes);
      break;
    case TextEncoding::CompoundText:
      text = DecodeCompound(bytes, whole);
      break;
    case TextEncoding::Latin1:
      text.reserve(bytes.size());
      for (const char c : bytes) text.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
      break;
  }
  if (exact) *exact = whole;
  return text;
}

}  // namespace lartsen::x11
