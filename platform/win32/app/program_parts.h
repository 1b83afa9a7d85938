// The stamping engine, rules and dialogs of the Windows program, put together for the main form.
#pragma once

#include <memory>

#include "app/main_form.h"
#include "platform/win32/app/main_window.h"
#include "platform/win32/app/message_boxes.h"
#include "settings/settings.h"

namespace lartsen::win32 {

class ProgramParts : public RulesPort, public StampingPort, public SettingsDialogPort,
                     public AboutPort {
 public:
  // The dialogs speak `language`.
  ProgramParts(Settings& settings, MessageBoxes& messages, MainWindow& window,
               UiLanguage language = UiLanguage::Russian);
  ~ProgramParts() override;

  void LoadConditions() override;
  const ConditionsTable& Table() const override;
  void Tick() override;
  void ApplyTitle(WindowHandle window) override;
  void RestoreLeftStamp() override;
  void FinishRestores() noexcept override;
  void ShowModal() override;
  void ShowAbout() override;

  TimeFormatTrial TimeFormatCheck();
  FileCommands Files();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace lartsen::win32
