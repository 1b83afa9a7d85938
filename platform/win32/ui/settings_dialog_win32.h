// The settings dialog frmSettings on Windows: a dialog built in code over the dialog logic.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/ui_ports.h"
#include "platform/win32/owned_win32.h"
#include "settings/error_reporter.h"
#include "settings/settings.h"
#include "settings/settings_dialog_logic.h"
#include "settings/settings_store.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "support/message_port.h"
#include "support/random_port.h"
#include "template/locale_info.h"
#include "template/title_format.h"

namespace lartsen::win32 {

inline constexpr wchar_t kSettingsCaption[] = L"Настройки";

// Control ids of the dialog (tests drive it through them).
enum SettingsControl : int {
  kTxtRefreshRate = 101,
  kTxtTitlePattern = 102,
  kTxtTimeFormat = 103,
  kCmdPreviewTitlePattern = 104,
  kCmdPreviewTimeFormat = 105,
  kLblTag0 = 110,
  kLblTag1 = 111,
  kLblTag2 = 112,
  kCmdOk = IDOK,
  kCmdCancel = IDCANCEL,
};

// What the dialog works with; every reference must outlive the dialog.
struct SettingsDialogServices {
  Settings& settings;
  const LocaleInfo& locale;
  ClockPort& clock;
  RandomPort& random;
  MemoryPort& memory;
  EnvironmentPort& environment;
  ShellPort& shell;
  SettingsStoreFactory makeStore;
};

// One showing of the dialog: created, run modally, destroyed.
class frmSettings {
 public:
  frmSettings(SettingsDialogServices& services, HINSTANCE instance);
  ~frmSettings();
  frmSettings(const frmSettings&) = delete;
  frmSettings& operator=(const frmSettings&) = delete;

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
  void Form_Load();
  void CreateControls();
  void Form_Paint(HDC dc);
  void OnCommand(int id, int notification, HWND control);
  void cmdOk_Click();
  void cmdCancel_Click();
  void FocusField(DialogField field);
  std::u16string Text(int id) const;
  void OpenReadMe();
  bool PreTranslate(MSG& message);
  void Close();

  SettingsDialogServices& services_;
  HINSTANCE instance_;
  DialogMessages messages_;
  ErrorReporter reporter_{messages_};
  TitleFormatter formatter_;
  SettingsDialogLogic logic_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  OwnedFont font_;
  OwnedBrush faceBrush_;
  RECT shpBack_{};
  int dpi_ = 96;
  bool done_ = false;
};

// SettingsDialogPort: a fresh frmSettings for each showing. Asked again while it is open (the
// tray menu still works during the dialog), it brings the open dialog to the front instead of
// stacking a second one on the first.
class SettingsDialog final : public SettingsDialogPort {
 public:
  explicit SettingsDialog(SettingsDialogServices services, HINSTANCE instance = GetModuleHandleW(nullptr));
  void ShowModal() override;

 private:
  SettingsDialogServices services_;
  HINSTANCE instance_;
  frmSettings* open_ = nullptr;
};

}  // namespace lartsen::win32
