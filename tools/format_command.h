// The command line of lartsen-format: its options, the moments it reads and the lines it writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/clock_port.h"
#include "template/locale_info.h"

namespace lartsen {

struct FormatCommand {
  std::string Locale = "en-US";       // en-US, ru-RU, de-DE or system
  std::u16string Format;              // the time format
  std::vector<std::string> Moments;   // as given: ISO date-times or OLE date numbers
  std::optional<std::u16string> Template;  // --template: a title template to expand instead
  bool Help = false;     // --help: print the usage, nothing else
  bool Version = false;  // --version: print the version, nothing else
};

// The usage text, printed for --help and with a command-line error.
extern const char* const kFormatUsage;

// Reads the arguments after the program name; options may come in any order, and "--" ends
// them. With --help or --version nothing else is read. Throws Error (invalid argument) on a bad
// command line, naming the argument it could not use.
FormatCommand ParseFormatArguments(const std::vector<std::string>& args);

// An OLE date from "2000-01-01T14:05:01" (also "2000-01-01", "2000-01-01 14:05") or from a
// number ("36526.5"). Throws Error (invalid argument) for anything else.
double ParseMoment(std::string_view text);

// A moment of the command line: "now" is the clock's current second (never the next one, as
// the program shows it); anything else goes to ParseMoment. Without a clock "now" fails.
double ReadMoment(std::string_view text, ClockPort* clock);

// Formats every moment: one UTF-8 line per moment into `out`, or the error into `err`.
// Returns the exit code: 0 when every moment was formatted, 1 otherwise.
int RunFormatCommand(const FormatCommand& command, const LocaleInfo& locale, std::string& out,
                     std::string& err, ClockPort* clock = nullptr);

}  // namespace lartsen
