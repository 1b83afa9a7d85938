// The resident program's main form: load order, tray menu commands, timer ticks and unload.
#pragma once

#include <functional>

#include "support/ui_text.h"
#include "app/app_ports.h"
#include "app/menu_model.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "support/message_port.h"

namespace lartsen {

// Commands whose work lives with the dialogs and the rules files; a missing one does nothing.
struct FileCommands {
  std::function<void()> OpenOptionalConditions;         // command 12
  std::function<void()> OpenOptionalConditionsSamples;  // command 13
  std::function<void()> OpenReadMe;                     // help 0
};

struct MainFormPorts {
  MainWindowPort& Window;
  RulesPort& Rules;
  StampingPort& Stamping;
  AutoStartPort& AutoStart;
  MessagePort& Messages;
  SettingsDialogPort& SettingsDialog;
  AboutPort& About;
  RefreshTimerPort& Timer;
  SettingsStoreFactory MakeStore;
  TimeFormatTrial TryTimeFormat;
  FileCommands Files;
};

class MainForm {
 public:
  // `language` is the one the program speaks: the state line and unexpected failures use it.
  MainForm(Settings& settings, MainFormPorts ports, UiLanguage language = UiLanguage::Russian);

  // The load in its fixed order: rules and rule-count line, tray icon, menu, settings and
  // timer, the restore of a stamp left behind, autostart check mark, one refresh. Throws when a step fails (start-up fails).
  void Load();
  // Gives the stamped window its own title back; whatever the cause of the unload. Never throws.
  void Unload() noexcept;

  void ReloadConditions();
  void ShowAutoStartState();
  void ToggleAutoStart();
  void LoadSettings() noexcept;
  // Throws whatever the command's work throws.
  void OnMenuCommand(MenuCommand command);

  // Event boundaries of the window: nothing thrown gets past them.
  // A failing tick ends quietly.
  void OnTimer() noexcept;
  // A menu command id (ContextCommandId/HelpCommandId); a failure is shown in a message box.
  // False for an id that is not a menu command.
  bool OnCommand(int commandId) noexcept;

 private:
  Settings& settings_;
  MainFormPorts ports_;
  UiLanguage language_;
};

}  // namespace lartsen
