// Ports of the tray commands to the platform's dialogs and shell.
#pragma once

#include <string_view>

#include "support/shell_port.h"
#include "support/types.h"

namespace lartsen {

// The settings dialog: a fresh dialog for each showing, modal, returns when it has closed.
class SettingsDialogPort {
 public:
  virtual ~SettingsDialogPort() = default;
  virtual void ShowModal() = 0;
};

// The About dialog.
class AboutPort {
 public:
  virtual ~AboutPort() = default;
  virtual void ShowAbout() = 0;
};

// Starting the program when the user logs on, kept under the program's identifier.
class AutoStartPort {
 public:
  virtual ~AutoStartPort() = default;
  virtual bool IsAutoStartEnabled(std::u16string_view key) = 0;
  virtual void EnableAutoStart(std::u16string_view key) = 0;
  virtual void DisableAutoStart(std::u16string_view key) = 0;
};

}  // namespace lartsen
