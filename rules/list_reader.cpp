// ListReader: decoding of the file's bytes and the line handling of the rules files.
#include "rules/list_reader.h"

#include <cstddef>
#include <optional>

#include "support/text.h"

namespace lartsen {
namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(big_endian ? (b0 << 8) | b1 : (b1 << 8) | b0));
  }
  if (i < bytes.size()) text.push_back(u'\uFFFD');  // a cut-off last byte
  return text;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// UTF-16 written without a signature: no text in a single-byte or UTF-8 file holds NUL bytes,
// while UTF-16 puts one beside every ASCII character (line ends included). The side the NULs
// fall on tells the byte order. Nothing when the bytes hold no NUL.
std::optional<bool> UnsignedUtf16BigEndian(std::string_view bytes) {
  std::size_t even = 0, odd = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\0') ++(i % 2 == 0 ? even : odd);
  }
  if (even + odd == 0) return std::nullopt;
  return even > odd;
}

}  // namespace

std::u16string DecodeListText(std::string_view bytes, AnsiDecodePort& ansi) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return FromUtf8(bytes.substr(3));
  if (StartsWith(bytes, "\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (StartsWith(bytes, "\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (const auto bigEndian = UnsignedUtf16BigEndian(bytes)) return DecodeUtf16(bytes, *bigEndian);
  // Without a signature, text that is well-formed UTF-8 is taken as such (plain ASCII reads
  // the same either way); anything else was written in the host's code page.
  if (IsValidUtf8(bytes)) return FromUtf8(bytes);
  return ansi.DecodeAnsi(bytes);
}

std::optional<std::vector<std::u16string>> ListReader::ReadList(std::u16string_view FileName,
                                                                std::u16string_view CommentMark,
                                                                bool TrimBlanks, bool SkipBlankLines,
                                                                int FirstLine, int MaxLines) {
  std::optional<std::string> bytes = files_.ReadFileBytes(FileName);
  if (!bytes || bytes->size() > kMaxListFileBytes) return std::nullopt;
  return SplitList(DecodeListText(*bytes, ansi_), CommentMark, TrimBlanks, SkipBlankLines, FirstLine,
                   MaxLines);
}

std::vector<std::u16string> ListReader::SplitList(std::u16string_view text, std::u16string_view CommentMark,
                                                  bool TrimBlanks, bool SkipBlankLines, int FirstLine,
                                                  int MaxLines) {
  std::vector<std::u16string> lines;
  int skipped = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    std::u16string_view line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size()) {
      pos += (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n') ? 2 : 1;
    }
    if (TrimBlanks) {
      while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
      while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    }
    if (SkipBlankLines && line.empty()) continue;
    if (!CommentMark.empty() && line.substr(0, CommentMark.size()) == CommentMark) continue;
    if (skipped < FirstLine) {
      ++skipped;
      continue;
    }
    lines.emplace_back(line);
    if (MaxLines > 0 && lines.size() >= static_cast<std::size_t>(MaxLines)) break;
  }
  return lines;
}

}  // namespace lartsen
