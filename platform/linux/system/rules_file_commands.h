// The two tray commands that open rules files: the user's own and the examples beside the program.
#pragma once

#include "support/shell_port.h"
#include "support/environment_port.h"
#include "support/message_port.h"
#include "support/ui_text.h"

namespace lartsen {

// Same paths, folder creation and messages as on Windows; folders are made the POSIX way.
class RulesFileCommands {
 public:
  RulesFileCommands(EnvironmentPort& environment, ShellPort& shell, MessagePort& messages,
                    UiLanguage language = UiLanguage::Russian)
      : environment_(environment), shell_(shell), messages_(messages), language_(language) {}

  // Creates $XDG_CONFIG_HOME/Nerrowind/Ларцен when missing, then opens its Conditions.INI.
  void OpenOptionalConditions();
  // Opens Conditions.Optional.INI in the data folder; creates nothing.
  void OpenOptionalConditionsSamples();

 private:
  EnvironmentPort& environment_;
  ShellPort& shell_;
  MessagePort& messages_;
  UiLanguage language_;  // of the failure messages
};

}  // namespace lartsen
