// Wiring of the program's engine: rules loader, refresh cycle, title writer and dialogs.
#include "platform/win32/app/program_parts.h"

#include "engine/foreground_watch.h"
#include "engine/full_screen_guard.h"
#include "engine/refresh_cycle.h"
#include "engine/rules_and_stamp.h"
#include "fsutil/complex_directory.h"
#include "platform/win32/app/crash_restore.h"
#include "platform/win32/app/environment_win32.h"
#include "platform/win32/app/window_events.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/collation_win32.h"
#include "platform/win32/full_screen_win32.h"
#include "platform/win32/host_win32.h"
#include "platform/win32/list_reader_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/memory_win32.h"
#include "platform/win32/process_win32.h"
#include "platform/win32/ui/about_dialog_win32.h"
#include "platform/win32/ui/file_system_win32.h"
#include "platform/win32/ui/random_win32.h"
#include "platform/win32/ui/settings_dialog_win32.h"
#include "platform/win32/ui/shell_win32.h"
#include "platform/win32/window_win32.h"
#include "process/window_process_path.h"
#include "rules/optional_conditions.h"
#include "settings/read_me_file.h"
#include "support/error.h"
#include "template/time_format.h"

#include "platform/win32/app/registry_settings_store.h"

namespace lartsen::win32 {
namespace {

// A change of the regional settings that the system did not announce shows at the next check
// (on the ticks, the dialog and the format trial) while the settings are watched, and within
// this time where they cannot be: comparing them costs a dozen locale calls and registry
// reads (the record is rebuilt only when they differ), too much for every tick.
constexpr unsigned long kRegionalSettingsCheckMs = 3000;

}  // namespace

// Declared in the order they depend on each other; destroyed in reverse.
struct ProgramParts::Parts {
  Settings& settings;
  MessageBoxes& messages;
  MainWindow& window;
  UiLanguage language;
  HINSTANCE instance = GetModuleHandleW(nullptr);

  EnvironmentWin32 environment;
  HostWin32 host;
  UserLocale regional;
  const LocaleInfo& locale = regional.Record();
  LocalClock clock;
  MemoryWin32 memory;
  WindowWin32 windows;
  ScreenWin32 screen;
  ProcessWin32 processRoutes{host};
  WindowProcessPath processes{processRoutes, host};
  FullScreenGuard guard{windows, screen, host};

  Win32FileReader files;
  Win32AnsiDecoder ansi;
  // The journal lives in the settings key: a start after a process that did not end in order
  // gives its title back; a crash gives it back at once.
  RulesAndStamp core{settings, {environment, files, ansi, messages, windows, locale, clock, memory, language},
                     [] { return std::make_unique<RegistrySettingsStore>(); }};
  TitleWriter& writer = core.writer;
  CrashRestore crashRestore{writer, window.Handle()};
  // Every tick, the timer's and the watch's, runs through the watch, and the cycle asks the
  // guard through it. A refresh timer at least as fast as the poll adopts a retitle as soon as
  // an event would: the stamped window's title changes are followed only while the poll runs.
  ForegroundWatch watch{guard, windows, writer, [this] {
                          CheckRegionalSettings();
                          cycle.Tick();
                          events.Follow(window.Timer().Polling() ? writer.StampedWindow : 0);
                        }};
  RefreshCycle cycle{watch, windows, processes, core.table, UserCharacterOrder(), writer};
  // Unhooked before the watch and the cycle go.
  WindowEvents events{WindowEvents::Handlers{[this] { ForegroundChanged(); },
                                             [this](WindowHandle w) { TitleChanged(w); }}};
  bool pollRelaxed = false;

  Shell shell;
  FileSystem fileSystem;
  Random random;
  ComplexDirectory directories{fileSystem, host, environment};
  OptionalConditions optional{environment, host, directories, shell, messages, language};
  SettingsDialogServices dialogServices{settings, locale, clock, random, memory, environment, shell,
                                        [] { return std::make_unique<RegistrySettingsStore>(); }, language};
  // A fresh dialog for every showing; chosen again from the tray while open, it comes to the front.
  SettingsDialog settingsDialog{dialogServices, instance};
  AboutDialog about{window.Handle(), instance, language};

  Parts(Settings& s, MessageBoxes& m, MainWindow& w, UiLanguage l)
      : settings(s), messages(m), window(w), language(l) {}

  // The record has changed in place: what was made from the old one is made again.
  void FollowRegionalSettings(bool changed) {
    if (!changed) return;
    core.formatter.LocaleChanged();
    memory.ForgetWords();
  }
  void CheckRegionalSettings() {
    FollowRegionalSettings(regional.RereadWhenChanged(kRegionalSettingsCheckMs));
  }

  // Event boundaries of the watch: a failing tick ends quietly, as a timer tick does.
  void Poll() noexcept {
    try {
      watch.Poll();
    } catch (...) {
    }
  }
  void ForegroundChanged() noexcept {
    if (!window.Timer().Ticking()) return;
    // The host reports switches itself: the poll is only the safety net from now on.
    if (!pollRelaxed) {
      pollRelaxed = true;
      window.Timer().SetPollInterval(kRelaxedPollMs);
    }
    Poll();
  }
  void TitleChanged(WindowHandle changed) noexcept {
    if (!window.Timer().Ticking()) return;
    try {
      watch.TitleChanged(changed);
    } catch (...) {
    }
  }
  static constexpr UINT kRelaxedPollMs = 250;
};

ProgramParts::ProgramParts(Settings& settings, MessageBoxes& messages, MainWindow& window, UiLanguage language)
    : parts_(std::make_unique<Parts>(settings, messages, window, language)) {
  // The guard's screen keeps the display geometry until the layout changes.
  window.SetDisplayChangeHandler([screen = &parts_->screen] { screen->ForgetGeometry(); });
  window.SetRegionalChangeHandler(
      [parts = parts_.get()] { parts->FollowRegionalSettings(parts->regional.Reread()); });
  parts_->cycle.SetOwnWindow(reinterpret_cast<WindowHandle>(window.Handle()));
  window.SetForegroundPoll([parts = parts_.get()] { parts->Poll(); });
}

ProgramParts::~ProgramParts() {
  parts_->window.SetDisplayChangeHandler(nullptr);
  parts_->window.SetRegionalChangeHandler(nullptr);
  parts_->window.SetForegroundPoll(nullptr);
}

void ProgramParts::LoadConditions() { parts_->core.loader.LoadConditions(); }
const ConditionsTable& ProgramParts::Table() const { return parts_->core.table; }
void ProgramParts::Tick() { parts_->watch.Tick(); }
void ProgramParts::ApplyTitle(WindowHandle window) { parts_->writer.ApplyTitle(window); }

void ProgramParts::RestoreLeftStamp() {
  parts_->writer.RestoreLeftStamp();
}

void ProgramParts::FinishRestores() noexcept { parts_->writer.FinishRestores(); }

void ProgramParts::ShowModal() {
  parts_->CheckRegionalSettings();
  parts_->settingsDialog.ShowModal();
}

void ProgramParts::ShowAbout() { parts_->about.ShowAbout(); }

TimeFormatTrial ProgramParts::TimeFormatCheck() {
  Parts* parts = parts_.get();
  return [parts](std::u16string_view format) {
    parts->CheckRegionalSettings();
    FormatDateTime(parts->clock.CurrentSecond(), format, parts->locale);
  };
}

FileCommands ProgramParts::Files() {
  Parts* parts = parts_.get();
  return FileCommands{
      [parts] { parts->optional.OpenOptionalConditions(); },
      [parts] { parts->optional.OpenOptionalConditionsSamples(); },
      [parts] {
        OpenReadMeFile(reinterpret_cast<WindowHandle>(parts->window.Handle()), parts->environment,
                       parts->shell, parts->messages, parts->language);
      }};
}

}  // namespace lartsen::win32
