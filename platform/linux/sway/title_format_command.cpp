// Escaping for sway's command syntax, its title placeholders and Pango markup.
#include "platform/linux/sway/title_format_command.h"

#include <vector>

#include "support/text.h"

namespace lartsen::sway {
namespace {

std::u16string Escaped(std::u16string_view suffix, bool pangoMarkup) {
  std::u16string out;
  out.reserve(suffix.size() + 8);
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char16_t c = suffix[i];
    if (c < u' ' || c == 0x7F) {
      out += u' ';  // a line break would end the command
    } else if (pangoMarkup && c == u'&') {
      out += u"&amp;";
    } else if (pangoMarkup && c == u'<') {
      out += u"&lt;";
    } else if (pangoMarkup && c == u'>') {
      out += u"&gt;";
    } else {
      out += c;
      const char16_t next = i + 1 < suffix.size() ? suffix[i + 1] : u'\0';
      if (c == u'%' && ((next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z'))) out += u'\u2060';
    }
  }
  return out;
}

// One argument of sway's command line, quoted with the quote it does not contain. sway keeps a
// backslash inside quotes as it is, so a piece that holds both quotes shows its apostrophes as
// typographic ones (U+2019).
std::string Quoted(std::u16string piece) {
  char16_t quote = u'\'';
  if (piece.find(u'\'') != std::u16string::npos) {
    quote = u'"';
    if (piece.find(u'"') != std::u16string::npos) {
      for (char16_t& c : piece) {
        if (c == u'\'') c = u'\u2019';
      }
      quote = u'\'';
    }
  }
  return ToUtf8(std::u16string(1, quote) + piece + quote);
}

}  // namespace

std::string TitleFormatCommand(std::int64_t containerId, std::u16string_view suffix, bool pangoMarkup) {
  const std::u16string format = u"%title" + Escaped(suffix, pangoMarkup);
  std::string command = "[con_id=" + std::to_string(containerId) + "] title_format ";
  const bool hasApostrophe = format.find(u'\'') != std::u16string::npos;
  const bool hasQuote = format.find(u'"') != std::u16string::npos;
  if (!(hasApostrophe && hasQuote)) return command + Quoted(format);
  // sway joins the arguments of title_format with one blank: each blank-separated piece takes
  // the quote it lacks.
  std::size_t start = 0;
  for (;;) {
    const std::size_t blank = format.find(u' ', start);
    command += Quoted(format.substr(start, blank == std::u16string::npos ? std::u16string::npos : blank - start));
    if (blank == std::u16string::npos) break;
    command += ' ';
    start = blank + 1;
  }
  return command;
}

}  // namespace lartsen::sway

namespace lartsen::sway {

bool UsesPangoMarkup(std::string_view config) {
  bool pango = false;
  std::size_t start = 0;
  while (start <= config.size()) {
    std::size_t end = config.find('\n', start);
    if (end == std::string_view::npos) end = config.size();
    std::string_view line = config.substr(start, end - start);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.starts_with("font ")) {
      line.remove_prefix(5);
      while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
      pango = line.starts_with("pango:");  // the last font line counts
    }
    start = end + 1;
  }
  return pango;
}

}  // namespace lartsen::sway
