// Argument reading and the formatting loop of lartsen-format, kept apart from main for tests.
#include "tools/format_command.h"

#include <charconv>
#include <cmath>

#include "support/error.h"
#include "support/text.h"
#include "support/ole_date.h"
#include "template/time_format.h"

namespace lartsen {

const char* const kFormatUsage =
    "usage: lartsen-format [--locale en-US|ru-RU|de-DE|system] FORMAT MOMENT...\n"
    "       lartsen-format [--locale ...] --template TEMPLATE --format FORMAT MOMENT...\n"
    "       lartsen-format --help | --version\n"
    "  MOMENT: 2000-01-01T14:05:01 (ISO date and time), an OLE date number such as 36526.5,\n"
    "          or now (the current second of this machine's clock)\n"
    "  TEMPLATE: a title template (\"[%time%] %FreePhysical_fb%\"), with this machine's memory\n"
    "  Options may come in any order, also as --option=value; after \"--\" every argument is\n"
    "  a format or a moment, so that a format may start with dashes.\n";

namespace {

[[noreturn]] void Fail(const std::u16string& message) {
  throw Error(status::kInvalidArgument, message);
}

bool ReadNumber(std::string_view text, std::size_t& pos, std::size_t digits, int& value) {
  if (text.size() - pos < digits) return false;
  value = 0;
  for (std::size_t k = 0; k < digits; ++k) {
    const char ch = text[pos + k];
    if (ch < '0' || ch > '9') return false;
    value = value * 10 + (ch - '0');
  }
  pos += digits;
  return true;
}

bool Expect(std::string_view text, std::size_t& pos, char ch) {
  if (pos >= text.size() || text[pos] != ch) return false;
  ++pos;
  return true;
}

bool ParseIso(std::string_view text, double& moment) {
  std::size_t pos = 0;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  // Years below 1000 may come with three digits or four.
  const std::size_t yearDigits = text.find('-');
  if (yearDigits < 3 || yearDigits > 4) return false;
  if (!ReadNumber(text, pos, yearDigits, y) || !Expect(text, pos, '-') ||
      !ReadNumber(text, pos, 2, mo) || !Expect(text, pos, '-') || !ReadNumber(text, pos, 2, d)) {
    return false;
  }
  if (pos < text.size()) {
    if (text[pos] != 'T' && text[pos] != 't' && text[pos] != ' ') return false;
    ++pos;
    if (!ReadNumber(text, pos, 2, h) || !Expect(text, pos, ':') || !ReadNumber(text, pos, 2, mi)) {
      return false;
    }
    if (pos < text.size() && (!Expect(text, pos, ':') || !ReadNumber(text, pos, 2, s))) return false;
    if (pos != text.size()) return false;
  }
  moment = CivilToOleDate(y, mo, d, h, mi, s);
  return true;
}

}  // namespace

FormatCommand ParseFormatArguments(const std::vector<std::string>& args) {
  FormatCommand command;
  bool haveFormat = false;
  bool optionsEnded = false;
  auto setFormat = [&](const std::string& text, const std::string& argument) {
    if (haveFormat) Fail(u"Формат времени указан дважды: " + FromUtf8(argument));
    command.Format = FromUtf8(text);
    haveFormat = true;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.size() < 2 || a.compare(0, 2, "--") != 0) {
      if (!haveFormat) {
        setFormat(a, a);
      } else {
        command.Moments.push_back(a);
      }
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    if (a == "--help") {
      command.Help = true;
      return command;
    }
    if (a == "--version") {
      command.Version = true;
      return command;
    }
    // "--name value" or "--name=value".
    const std::size_t equals = a.find('=');
    const std::string name = a.substr(0, equals);
    if (name != "--locale" && name != "--template" && name != "--format") {
      Fail(u"Неизвестный параметр: " + FromUtf8(a));
    }
    std::string value;
    if (equals != std::string::npos) {
      value = a.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      Fail(u"После " + FromUtf8(name) + u" нужно значение");
    }
    if (name == "--locale") {
      if (value != "en-US" && value != "ru-RU" && value != "de-DE" && value != "system") {
        Fail(u"Неизвестные региональные настройки: " + FromUtf8(value));
      }
      command.Locale = value;
    } else if (name == "--template") {
      command.Template = FromUtf8(value);
    } else {
      setFormat(value, a);
    }
  }
  if (!haveFormat) Fail(u"Не указан формат времени");
  if (command.Moments.empty()) Fail(u"Не указан ни один момент времени");
  return command;
}

double ParseMoment(std::string_view text) {
  double moment = 0.0;
  if (ParseIso(text, moment)) return moment;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, moment);
  if (first == last || ec != std::errc() || end != last || !std::isfinite(moment)) {
    Fail(u"Не удалось прочитать момент времени: " + FromUtf8(text));
  }
  return moment;
}

double ReadMoment(std::string_view text, ClockPort* clock) {
  if (text != "now") return ParseMoment(text);
  if (!clock) Fail(u"Часы недоступны: now");
  return clock->CurrentSecond();
}

int RunFormatCommand(const FormatCommand& command, const LocaleInfo& locale, std::string& out,
                     std::string& err, ClockPort* clock) {
  int code = 0;
  for (const std::string& text : command.Moments) {
    try {
      out += ToUtf8(FormatDateTime(ReadMoment(text, clock), command.Format, locale));
      out += '\n';
    } catch (const Error& e) {
      err += text + ": " + e.what() + "\n";
      code = 1;
    }
  }
  return code;
}

}  // namespace lartsen
