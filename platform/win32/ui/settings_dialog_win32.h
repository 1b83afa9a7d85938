// The settings dialog SettingsDialogWindow on Windows: a dialog built in code over the dialog logic.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/app_ports.h"
#include "platform/win32/owned_win32.h"
#include "settings/error_reporter.h"
#include "settings/settings.h"
#include "settings/settings_dialog_logic.h"
#include "settings/settings_dialog_services.h"
#include "settings/settings_store.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "support/message_port.h"
#include "support/random_port.h"
#include "template/locale_info.h"
#include "template/title_format.h"

namespace lartsen::win32 {

// Control ids of the dialog (tests drive it through them).
enum SettingsControl : int {
  kRefreshRateBox = 101,
  kTitlePatternBox = 102,
  kTimeFormatBox = 103,
  kPreviewTitlePatternButton = 104,
  kPreviewTimeFormatButton = 105,
  kRefreshRateLabel = 110,
  kTimeFormatLabel = 111,
  kTitlePatternLabel = 112,
  kOkButton = IDOK,
  kCancelButton = IDCANCEL,
};

// One showing of the dialog: created, run modally, destroyed.
class SettingsDialogWindow {
 public:
  SettingsDialogWindow(SettingsDialogServices& services, HINSTANCE instance);
  ~SettingsDialogWindow();
  SettingsDialogWindow(const SettingsDialogWindow&) = delete;
  SettingsDialogWindow& operator=(const SettingsDialogWindow&) = delete;

  // Runs until Ok or Cancel closes the dialog. Other windows of the thread are disabled
  // meanwhile (their timers go on); a WM_QUIT ends the dialog and is posted again.
  void ShowModal();
  HWND Handle() const { return hwnd_; }

 private:
  class DialogMessages : public MessagePort {
   public:
    HWND owner = nullptr;
    void ShowMessage(std::u16string_view text, unsigned style) override;
  };

  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Load();
  void CreateControls();
  void Paint(HDC dc);
  void OnCommand(int id, int notification, HWND control);
  void Confirm();
  void Cancel();
  void FocusField(DialogField field);
  std::u16string Text(int id) const;
  void OpenReadMe();
  bool PreTranslate(MSG& message);
  void Close();

  SettingsDialogServices& services_;
  HINSTANCE instance_;
  DialogMessages messages_;
  ErrorReporter reporter_{messages_, services_.language};
  TitleFormatter formatter_;
  SettingsDialogLogic logic_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  OwnedFont font_;
  OwnedBrush faceBrush_;
  RECT backPanel_{};
  int dpi_ = 96;
  bool done_ = false;
};

// SettingsDialogPort: a fresh SettingsDialogWindow for each showing. Asked again while it is open (the
// tray menu still works during the dialog), it brings the open dialog to the front instead of
// stacking a second one on the first.
class SettingsDialog final : public SettingsDialogPort {
 public:
  explicit SettingsDialog(SettingsDialogServices services, HINSTANCE instance = GetModuleHandleW(nullptr));
  void ShowModal() override;

 private:
  SettingsDialogServices services_;
  HINSTANCE instance_;
  SettingsDialogWindow* open_ = nullptr;
};

}  // namespace lartsen::win32
