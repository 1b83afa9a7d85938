// The stamping engine and rules of the Linux program in a sway session, put together.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "settings/settings.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "support/message_port.h"
#include "support/shell_port.h"
#include "template/locale_info.h"

namespace lartsen::sway {

class SwayProgramParts final : public RulesPort, public StampingPort {
 public:
  // Connects to the sway instance at `socketPath`; throws Error when it does not answer.
  // Failures to read the rules files are worded in `language`.
  SwayProgramParts(Settings& settings, MessagePort& messages, const std::string& socketPath, UiLanguage language);
  ~SwayProgramParts() override;

  void LoadConditions() override;
  const ConditionsTable& Table() const override;
  // One tick over a single read of the tree.
  void Tick() override;
  void ApplyTitle(WindowHandle window) override;
  // Formats a killed run left on containers of this instance go back to "%title"; then the
  // journal of the title writer is consulted as on every platform.
  void RestoreLeftStamp() override;
  // After the writer's last restores, every format this run set is reset.
  void FinishRestores() noexcept override;

  TimeFormatTrial TimeFormatCheck();
  // The help command opens the read-me file in `language`.
  FileCommands Files(UiLanguage language);
  void StartWatching(std::function<void()> runTick, std::function<void()> sessionLost);

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

}  // namespace lartsen::sway
