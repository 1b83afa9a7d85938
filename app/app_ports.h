// Ports of the main form: its window, the rules, the stamping engine, the dialogs and autostart.
#pragma once

#include <string_view>

#include "rules/conditions_table.h"
#include "support/types.h"

namespace lartsen {

// The hidden main window with its tray icon and popup menu.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  // Shows the tray icon "A_MAIN" with the tooltip "Ларцен"; throws Error when it cannot.
  virtual void ShowTrayIcon() = 0;
  // From now on the tray icon opens the popup menu, whose commands come back to the form.
  virtual void AttachMenu() = 0;
  virtual void SetRuleCountCaption(std::u16string_view caption) = 0;
  virtual bool IsAutoStartChecked() = 0;
  virtual void SetAutoStartChecked(bool checked) = 0;
  // UnloadForm: closes the main window in the orderly way; its unload handling runs.
  virtual void UnloadForm() = 0;
};

// The rules: loading them and the table they yield.
class RulesPort {
 public:
  virtual ~RulesPort() = default;
  virtual void LoadConditions() = 0;
  virtual const ConditionsTable& Table() const = 0;
};

// The stamping engine: one refresh, and the title writer for the unload.
class StampingPort {
 public:
  virtual ~StampingPort() = default;
  virtual void Tick() = 0;
  virtual void ApplyTitle(WindowHandle window) = 0;
  // At the end of the run, after ApplyTitle(0): the last try for restores a window did not take
  // yet. Never throws.
  virtual void FinishRestores() noexcept {}
  // At start, before the first refresh: gives back its own title to a window that a process
  // ended without warning left stamped. Ports that keep no journal have nothing to do.
  virtual void RestoreLeftStamp() {}
};

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
