// The hidden main window: tray icon, popup menu, refresh timer and the ways the program ends.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "app/app_ports.h"
#include "settings/settings_store.h"

namespace lartsen {
class MainForm;
}

namespace lartsen::win32 {

// Message of the tray icon's notifications to the main window.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
// Id of the program's one tray icon on its main window.
inline constexpr UINT kTrayIconId = 1;

class MainWindow : public MainWindowPort, public RefreshTimerPort {
 public:
  // Creates the hidden window captioned with the program's identifier, its popup menu and the
  // refresh timer at its initial 1000 ms. Throws Error when the window cannot be created.
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Events go to the form from now on; before, ticks and commands are dropped.
  void SetForm(MainForm* form) { form_ = form; }
  HWND Handle() const { return hwnd_; }
  // Called when the display layout may have changed (resolution, monitors, work area).
  void SetDisplayChangeHandler(std::function<void()> handler) { displayChanged_ = std::move(handler); }
  // Called when the system announces changed regional settings (WM_SETTINGCHANGE "intl").
  void SetRegionalChangeHandler(std::function<void()> handler) { regionalChanged_ = std::move(handler); }
  // Takes the tray icon away and destroys the window without the unload handling: the end of
  // a start-up that failed.
  void Abandon();

  void ShowTrayIcon() override;
  void AttachMenu() override { menuAttached_ = true; }
  void SetRuleCountCaption(std::u16string_view caption) override;
  bool IsAutoStartChecked() override;
  void SetAutoStartChecked(bool checked) override;
  void UnloadForm() override;

  void Disable() override;
  void SetInterval(std::int32_t milliseconds) override;
  void Enable() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void BuildMenu();
  bool AddTrayIcon();
  void RemoveTrayIcon();
  void StartTrayRetry();
  void OpenMenu();
  void Close();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  HMENU popup_ = nullptr;
  HICON trayIcon_ = nullptr;
  HICON bigIcon_ = nullptr;
  MainForm* form_ = nullptr;
  std::function<void()> displayChanged_;
  std::function<void()> regionalChanged_;
  UINT taskbarCreated_ = 0;
  UINT refreshInterval_ = 1000;
  bool trayWanted_ = false;
  bool trayShown_ = false;
  int trayRetriesLeft_ = 0;
  bool menuAttached_ = false;
  bool menuOpen_ = false;
  bool closed_ = false;
};

}  // namespace lartsen::win32
