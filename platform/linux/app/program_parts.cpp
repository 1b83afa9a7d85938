// Wiring of the Linux program's engine: rules loader, refresh cycle, title writer, watches.
#include "platform/linux/app/program_parts.h"

#include <QElapsedTimer>

#include "engine/refresh_cycle.h"
#include "engine/rules_and_stamp.h"
#include "platform/linux/system/rules_file_commands.h"
#include "platform/linux/app/shell_qt.h"
#include "platform/linux/app/x11_watch.h"
#include "platform/linux/system/collation_linux.h"
#include "platform/linux/system/environment_linux.h"
#include "platform/linux/system/file_reader_linux.h"
#include "platform/linux/system/host_linux.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/journal_file_store.h"
#include "platform/linux/system/locale_linux.h"
#include "platform/linux/x11/x11_full_screen.h"
#include "platform/linux/x11/x11_process_routes.h"
#include "platform/linux/x11/x11_windows.h"
#include "process/window_process_path.h"
#include "rules/portable_ansi.h"
#include "settings/read_me_file.h"
#include "support/error.h"
#include "support/system_clock.h"
#include "template/time_format.h"
#include "tools/proc_memory.h"

namespace lartsen::linux_app {

// Declared in the order they depend on each other; destroyed in reverse.
struct ProgramParts::Parts {
  Settings& settings;
  MessagePort& messages;
  x11::Connection& connection;

  EnvironmentLinux environment;
  HostLinux host;
  LocaleInfo locale = LinuxLocaleInfo();
  LinuxCharacterOrder order;
  SystemClock clock;
  ProcMemory memory{locale.DecimalSeparator};
  x11::X11Windows windows{connection};
  x11::X11FullScreen guard{windows};
  x11::X11ProcessRoutes processRoutes{windows};
  WindowProcessPath processes{processRoutes, host};

  UiLanguage language;  // of the file and rules messages
  FileReaderLinux files;
  PortableAnsiDecoder ansi;
  // The journal lives with the login, beside the instance lock: a run that was killed (SIGKILL,
  // a crash) has its stamp taken back at the next start, and the user's settings file is left
  // alone on every switch.
  std::string journalPath = DefaultJournalPath();
  RulesAndStamp core{settings, {environment, files, ansi, messages, windows, locale, clock, memory, language},
                     [path = journalPath] { return std::make_unique<JournalFileStore>(path); }};
  TitleWriter& writer = core.writer;
  RefreshCycle cycle{guard, windows, processes, core.table, order, writer};

  ShellQt shell;
  RulesFileCommands rulesFiles{environment, shell, messages, language};
  std::unique_ptr<X11Watch> watch;
  // What the watch's events cannot tell (a monitor added, an event lost) is read anew this often.
  QElapsedTimer sinceAllRead;

  Parts(Settings& s, MessagePort& m, x11::Connection& c, UiLanguage language)
      : settings(s), messages(m), connection(c), language(language), files(language) {}

  void Follow() {
    if (watch) {
      watch->Follow(static_cast<xcb_window_t>(writer.StampedWindow),
                    static_cast<xcb_window_t>(windows.LastForeground()));
    }
  }
};

namespace {
constexpr qint64 kReadAllEveryMs = 1000;
}  // namespace

ProgramParts::ProgramParts(Settings& settings, MessagePort& messages, x11::Connection& connection,
                           UiLanguage language)
    : parts_(std::make_unique<Parts>(settings, messages, connection, language)) {}

ProgramParts::~ProgramParts() = default;

void ProgramParts::LoadConditions() { parts_->core.loader.LoadConditions(); }
const ConditionsTable& ProgramParts::Table() const { return parts_->core.table; }

void ProgramParts::Tick() {
  // Changes the server has told of reach the kept facts before the tick looks at them.
  if (parts_->watch) {
    parts_->watch->TickStarts();
    parts_->watch->Drain();
  }
  if (!parts_->sinceAllRead.isValid() || parts_->sinceAllRead.hasExpired(kReadAllEveryMs)) {
    parts_->windows.ForgetAll();
    parts_->sinceAllRead.start();
  }
  struct AfterTick {
    Parts& parts;
    ~AfterTick() {
      parts.Follow();
      if (parts.watch) parts.watch->Drain();
    }
  } after{*parts_};
  x11::X11Windows::TickScope scope(parts_->windows);
  parts_->cycle.Tick();
}

void ProgramParts::ApplyTitle(WindowHandle window) {
  parts_->writer.ApplyTitle(window);
  parts_->Follow();
}

void ProgramParts::RestoreLeftStamp() {
  try {
    IniSettingsStore settingsFile(DefaultSettingsPath());
    JournalFileStore journalFile(parts_->journalPath);
    MoveJournalOutOfSettings(settingsFile, journalFile);
  } catch (const Error&) {
    // An unreadable settings file keeps its old line; the journal file still counts.
  }
  parts_->writer.RestoreLeftStamp();
}

void ProgramParts::FinishRestores() noexcept { parts_->writer.FinishRestores(); }

TimeFormatTrial ProgramParts::TimeFormatCheck() {
  Parts* parts = parts_.get();
  return [parts](std::u16string_view format) { FormatDateTime(parts->clock.CurrentSecond(), format, parts->locale); };
}

FileCommands ProgramParts::Files(UiLanguage language) {
  Parts* parts = parts_.get();
  return FileCommands{[parts] { parts->rulesFiles.OpenOptionalConditions(); },
                      [parts] { parts->rulesFiles.OpenOptionalConditionsSamples(); },
                      [parts, language] {
                        OpenReadMeFile(0, parts->environment, parts->shell, parts->messages, language);
                      }};
}

ProgramParts::Services ProgramParts::DialogServices() {
  Parts& p = *parts_;
  return Services{p.settings, p.locale, p.clock, p.memory, p.environment, p.shell, p.messages};
}

bool ProgramParts::StampFollowsOnlyTheClock() const {
  return parts_->watch != nullptr && parts_->core.formatter.FollowsOnlyTheClock();
}

void ProgramParts::StartWatching(std::function<void()> runTick, std::function<void()> serverLost) {
  parts_->watch = std::make_unique<X11Watch>(parts_->windows, std::move(runTick));
  parts_->watch->SetLostHandler(std::move(serverLost));
  Parts* parts = parts_.get();
  parts_->watch->SetOwnTitleCheck([parts]() noexcept {
    try {
      const TitleWriter& writer = parts->writer;
      return writer.StampedWindow != 0 && parts->windows.GetWindowText(writer.StampedWindow) == writer.StampedTitle;
    } catch (...) {
      return false;  // the tick finds out what has gone wrong
    }
  });
  X11Watch* watch = parts_->watch.get();
  parts_->windows.SetWriteObserver(
      [watch](WindowHandle window, int properties) {
        watch->NoteOwnWrite(static_cast<xcb_window_t>(window), properties);
      });
  parts_->Follow();
}

}  // namespace lartsen::linux_app
