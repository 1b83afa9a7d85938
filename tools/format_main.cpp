// lartsen-format: formats moments with a time format and prints one UTF-8 line per moment.
#include <cstdio>
#include <string>
#include <vector>

#include "support/error.h"
#include "support/text.h"
#include "tools/format_command.h"
#include "tools/template_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win32/clock_win32.h"
#include "platform/win32/locale_win32.h"
#else
#include "support/system_clock.h"
#endif

namespace {

void WriteAll(std::FILE* stream, const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

int Run(const std::vector<std::string>& args) {
  std::string out, err;
  try {
    const lartsen::FormatCommand command = lartsen::ParseFormatArguments(args);
    if (command.Help || command.Version) {
      WriteAll(stdout, command.Help ? std::string(lartsen::kFormatUsage)
                                    : std::string("lartsen-format ") + LARTSEN_VERSION + "\n");
      return 0;
    }
    lartsen::LocaleInfo system;
    const lartsen::LocaleInfo* locale = nullptr;
    if (command.Locale == "system") {
#ifdef _WIN32
      system = lartsen::win32::UserDefaultLocaleInfo();
      locale = &system;
#else
      locale = &lartsen::BuiltinLocale("en-US");
#endif
    } else {
      locale = &lartsen::BuiltinLocale(command.Locale);
    }
#ifdef _WIN32
    lartsen::win32::LocalClock clock;
#else
    lartsen::SystemClock clock;
#endif
    const int code =
        command.Template
            ? lartsen::RunTemplateCommand(command, *locale, *lartsen::MachineMemory(*locale), out,
                                          err, &clock)
            : lartsen::RunFormatCommand(command, *locale, out, err, &clock);
    WriteAll(stdout, out);
    WriteAll(stderr, err);
    return code;
  } catch (const lartsen::Error& e) {
    WriteAll(stderr, std::string(e.what()) + "\n" + lartsen::kFormatUsage);
    return 1;
  }
}

}  // namespace

#ifdef _WIN32
// The wide entry point keeps every argument exact, whatever the ANSI code page.
int wmain(int argc, wchar_t** argv) {
  // UTF-8 bytes go out unchanged, to a console or into a pipe.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(lartsen::ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
