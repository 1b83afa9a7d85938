// The main form's procedures: the load order, the command dispatch and the error boundaries.
#include "app/main_form.h"

#include <exception>

#include "app/menu_model.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {

MainForm::MainForm(Settings& settings, MainFormPorts ports, UiLanguage language)
    : settings_(settings), ports_(std::move(ports)), language_(language) {}

void MainForm::Load() {
  ReloadConditions();
  ports_.Window.ShowTrayIcon();
  ports_.Window.AttachMenu();
  LoadSettings();
  // With the template loaded, so that a newer stamp of it is recognised. A journal that cannot
  // be read is no reason to stay away.
  try {
    ports_.Stamping.RestoreLeftStamp();
  } catch (...) {
  }
  ShowAutoStartState();
  // The first stamp is written at once; a failing first refresh is no reason to stay away,
  // it ends like any later tick.
  OnTimer();
}

void MainForm::Unload() noexcept {
  try {
    ports_.Stamping.ApplyTitle(0);
  } catch (...) {
  }
  ports_.Stamping.FinishRestores();
}

void MainForm::ReloadConditions() {
  ports_.Rules.LoadConditions();
  ports_.Window.SetRuleCountCaption(RuleCountCaption(ports_.Rules.Table(), language_));
}

void MainForm::ShowAutoStartState() {
  // A stored state that cannot be read (a policy, security software) shows as off: a check
  // mark is no reason to stay away.
  bool enabled = false;
  try {
    enabled = ports_.AutoStart.IsAutoStartEnabled(AppGuid);
  } catch (const Error&) {
  }
  ports_.Window.SetAutoStartChecked(enabled);
}

void MainForm::ToggleAutoStart() {
  bool checked = !ports_.Window.IsAutoStartChecked();
  ports_.Window.SetAutoStartChecked(checked);
  // The stored state follows the check mark; its outcome is not read back.
  try {
    if (checked) {
      ports_.AutoStart.EnableAutoStart(AppGuid);
    } else {
      ports_.AutoStart.DisableAutoStart(AppGuid);
    }
  } catch (const Error&) {
  }
}

void MainForm::LoadSettings() noexcept {
  lartsen::LoadSettings(settings_, ports_.MakeStore, ports_.TryTimeFormat, ports_.Timer);
}

void MainForm::OnMenuCommand(MenuCommand command) {
  switch (command) {
    case MenuCommand::ReloadConditions:
      ReloadConditions();
      break;
    case MenuCommand::Settings:
      // Confirmed or cancelled, the settings are read back and the timer restarts.
      ports_.SettingsDialog.ShowModal();
      LoadSettings();
      break;
    case MenuCommand::OpenOptionalConditions:
      if (ports_.Files.OpenOptionalConditions) ports_.Files.OpenOptionalConditions();
      break;
    case MenuCommand::OpenOptionalSamples:
      if (ports_.Files.OpenOptionalConditionsSamples) ports_.Files.OpenOptionalConditionsSamples();
      break;
    case MenuCommand::ToggleAutoStart:
      ToggleAutoStart();
      break;
    case MenuCommand::Exit:
      ports_.Window.UnloadForm();
      break;
    case MenuCommand::OpenReadMe:
      if (ports_.Files.OpenReadMe) ports_.Files.OpenReadMe();
      break;
    case MenuCommand::About:
      ports_.About.ShowAbout();
      break;
  }
}

void MainForm::OnTimer() noexcept {
  try {
    ports_.Stamping.Tick();
  } catch (...) {
    // The next tick tries again; a message box per tick would flood the user.
  }
}

bool MainForm::OnCommand(int commandId) noexcept {
  auto report = [this](std::u16string_view description) {
    try {
      ports_.Messages.ShowMessage(description, message_style::kCritical);
    } catch (...) {
    }
  };
  try {
    if (!IsMenuCommandId(commandId)) return false;
    if (const auto command = MenuCommandOf(commandId)) OnMenuCommand(*command);
  } catch (const std::exception& error) {
    report(DescribeFailure(error, language_));
  } catch (...) {
    report(TextOf(UiText::UnexpectedError, language_));
  }
  return true;
}

}  // namespace lartsen
