// The stamping engine and rules of the Linux program, put together for the main form.
#pragma once

#include <memory>

#include "app/main_form.h"
#include "platform/linux/app/tray_window.h"
#include "platform/linux/x11/x11_connection.h"
#include "settings/settings.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "template/locale_info.h"
#include "support/message_port.h"
#include "support/shell_port.h"

namespace lartsen::linux_app {

class ProgramParts final : public RulesPort, public StampingPort {
 public:
  // Failures to read the rules files are worded in `language`.
  ProgramParts(Settings& settings, MessagePort& messages, x11::Connection& connection, UiLanguage language);
  ~ProgramParts() override;

  void LoadConditions() override;
  const ConditionsTable& Table() const override;
  // One tick: the foreground and its facts as the watches have kept them, else one batch from
  // the server; afterwards the watches follow the window that carries the stamp and the
  // foreground.
  void Tick() override;
  void ApplyTitle(WindowHandle window) override;
  // A stamp left by a run that was killed goes back to its window's own title.
  void RestoreLeftStamp() override;
  void FinishRestores() noexcept override;

  TimeFormatTrial TimeFormatCheck();
  // The help command opens the read-me file in `language`.
  FileCommands Files(UiLanguage language);
  // The ticks that the foreground and retitle watches ask for, run through `runTick`
  // (the main form's boundary).
  void StartWatching(std::function<void()> runTick, std::function<void()> serverLost);
  // True once the watches run (they bring a change of the foreground or of a title at once) and
  // the last stamp showed only the time: then a tick between two seconds has nothing to do.
  bool StampFollowsOnlyTheClock() const;

  // What the dialogs need besides the settings store: the program's own instances.
  struct Services {
    Settings& settings;
    const LocaleInfo& locale;
    ClockPort& clock;
    MemoryPort& memory;
    EnvironmentPort& environment;
    ShellPort& shell;
    MessagePort& messages;
  };
  Services DialogServices();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace lartsen::linux_app
