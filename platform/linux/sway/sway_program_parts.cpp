// Wiring of the program in a sway session: the IPC client, tree facts, title formats, watch.
#include "platform/linux/sway/sway_program_parts.h"

#include "engine/refresh_cycle.h"
#include "engine/rules_and_stamp.h"
#include "platform/linux/app/shell_qt.h"
#include "platform/linux/sway/format_journal.h"
#include "platform/linux/sway/sway_adapters.h"
#include "platform/linux/sway/sway_ipc.h"
#include "platform/linux/sway/sway_watch.h"
#include "platform/linux/sway/sway_windows.h"
#include "platform/linux/sway/title_format_command.h"
#include "platform/linux/system/collation_linux.h"
#include "platform/linux/system/environment_linux.h"
#include "platform/linux/system/file_reader_linux.h"
#include "platform/linux/system/host_linux.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/locale_linux.h"
#include "platform/linux/system/rules_file_commands.h"
#include "process/window_process_path.h"
#include "rules/portable_ansi.h"
#include "settings/read_me_file.h"
#include "support/system_clock.h"
#include "support/text.h"
#include "template/time_format.h"
#include "tools/proc_memory.h"

namespace lartsen::sway {

// Declared in the order they depend on each other; destroyed in reverse.
struct SwayProgramParts::Parts {
  Settings& settings;
  MessagePort& messages;
  SwayIpc ipc;
  FormatJournal formats{ipc.Instance()};

  EnvironmentLinux environment;
  HostLinux host;
  LocaleInfo locale = LinuxLocaleInfo();
  LinuxCharacterOrder order;
  SystemClock clock;
  ProcMemory memory{locale.DecimalSeparator};
  SwayWindows windows{ipc, formats, UsesPangoMarkup(ipc.Request(message::kGetConfig, {}).value("config", ""))};
  SwayFullScreen guard{windows};
  SwayProcessRoutes processRoutes{windows};
  WindowProcessPath processes{processRoutes, host};

  UiLanguage language;  // of the file and rules messages
  FileReaderLinux files;
  PortableAnsiDecoder ansi;
  RulesAndStamp core{settings, {environment, files, ansi, messages, windows, locale, clock, memory, language},
                     [] { return std::make_unique<IniSettingsStore>(DefaultSettingsPath()); }};
  TitleWriter& writer = core.writer;
  RefreshCycle cycle{guard, windows, processes, core.table, order, writer};

  linux_app::ShellQt shell;
  RulesFileCommands rulesFiles{environment, shell, messages, language};
  std::unique_ptr<SwayWatch> watch;

  Parts(Settings& s, MessagePort& m, const std::string& socketPath, UiLanguage language)
      : settings(s), messages(m), ipc(socketPath), language(language), files(language) {}
};

SwayProgramParts::SwayProgramParts(Settings& settings, MessagePort& messages, const std::string& socketPath,
                                   UiLanguage language)
    : parts_(std::make_unique<Parts>(settings, messages, socketPath, language)) {}

SwayProgramParts::~SwayProgramParts() = default;

void SwayProgramParts::LoadConditions() { parts_->core.loader.LoadConditions(); }
const ConditionsTable& SwayProgramParts::Table() const { return parts_->core.table; }

void SwayProgramParts::Tick() {
  SwayWindows::TickScope scope(parts_->windows);
  parts_->cycle.Tick();
}

void SwayProgramParts::ApplyTitle(WindowHandle window) { parts_->writer.ApplyTitle(window); }

void SwayProgramParts::RestoreLeftStamp() {
  ResetLeftFormats(parts_->ipc, parts_->formats);
  parts_->writer.RestoreLeftStamp();
}

void SwayProgramParts::FinishRestores() noexcept {
  parts_->writer.FinishRestores();
  parts_->windows.ResetAll();
}

TimeFormatTrial SwayProgramParts::TimeFormatCheck() {
  Parts* parts = parts_.get();
  return [parts](std::u16string_view format) { FormatDateTime(parts->clock.CurrentSecond(), format, parts->locale); };
}

FileCommands SwayProgramParts::Files(UiLanguage language) {
  Parts* parts = parts_.get();
  return FileCommands{[parts] { parts->rulesFiles.OpenOptionalConditions(); },
                      [parts] { parts->rulesFiles.OpenOptionalConditionsSamples(); },
                      [parts, language] {
                        OpenReadMeFile(0, parts->environment, parts->shell, parts->messages, language);
                      }};
}

SwayProgramParts::Services SwayProgramParts::DialogServices() {
  Parts& p = *parts_;
  return Services{p.settings, p.locale, p.clock, p.memory, p.environment, p.shell, p.messages};
}

void SwayProgramParts::StartWatching(std::function<void()> runTick, std::function<void()> sessionLost) {
  SwayWindows* windows = &parts_->windows;
  parts_->watch = std::make_unique<SwayWatch>(
      parts_->ipc.Instance(), std::move(runTick), [windows](std::int64_t container, const std::string& name) {
        return windows->ShowsOurFormat(static_cast<WindowHandle>(container), FromUtf8(name));
      },
      [windows] { windows->TreeChanged(); });
  parts_->watch->SetLostHandler(std::move(sessionLost));
  windows->FollowEvents();
}

}  // namespace lartsen::sway
