// lartsen-format --template: the title template expanded at each moment with this machine's
// memory figures.
#include "tools/template_command.h"

#include "settings/settings.h"
#include "support/error.h"
#include "support/text.h"
#include "template/title_format.h"

#ifdef _WIN32
#include "platform/win32/memory_win32.h"
#else
#include "tools/proc_memory.h"
#endif

namespace lartsen {
namespace {

// Every moment is read before the template is expanded ("now" included); the formatter never
// asks the clock itself.
class NoClock : public ClockPort {
 public:
  double Now() override { throw Error(status::kFail, u"no clock"); }
};

}  // namespace

int RunTemplateCommand(const FormatCommand& command, const LocaleInfo& locale, MemoryPort& memory,
                       std::string& out, std::string& err, ClockPort* clock) {
  const Settings settings{command.Format, command.Template.value_or(u""), kDefaultRefreshRate};
  NoClock noClock;
  TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, locale, noClock, memory);
  int code = 0;
  for (const std::string& text : command.Moments) {
    try {
      out += ToUtf8(formatter.FormatTitle(command.Template, ReadMoment(text, clock), command.Format));
      out += '\n';
    } catch (const Error& e) {
      err += text + ": " + e.what() + "\n";
      code = 1;
    }
  }
  return code;
}

std::unique_ptr<MemoryPort> MachineMemory([[maybe_unused]] const LocaleInfo& locale) {
#ifdef _WIN32
  return std::make_unique<win32::MemoryWin32>();
#else
  return std::make_unique<ProcMemory>(locale.DecimalSeparator);
#endif
}

}  // namespace lartsen
