// The hidden main window: routes its messages to the tray icon, the menu, the timers and the form.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>

#include "app/app_ports.h"
#include "platform/win32/app/popup_menu.h"
#include "platform/win32/app/refresh_timer.h"
#include "platform/win32/app/tray_icon.h"
#include "platform/win32/owned_win32.h"

namespace lartsen {
class MainForm;
}

namespace lartsen::win32 {

// Never shown; its caption is the program's identifier, by which others find the running program.
class MainWindow : public MainWindowPort {
 public:
  // Creates the window, its popup menu and the refresh timer at its initial 1000 ms. Throws
  // Error when the window cannot be created.
  // The tray menu speaks `language`.
  explicit MainWindow(HINSTANCE instance, UiLanguage language = UiLanguage::Russian);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Events go to the form from now on; before, ticks and commands are dropped.
  void SetForm(MainForm* form) { form_ = form; }
  HWND Handle() const { return hwnd_; }
  RefreshTimer& Timer() { return *timer_; }
  // Called when the display layout may have changed (resolution, monitors, work area).
  void SetDisplayChangeHandler(std::function<void()> handler) { displayChanged_ = std::move(handler); }
  // Called when the system announces changed regional settings (WM_SETTINGCHANGE "intl").
  void SetRegionalChangeHandler(std::function<void()> handler) { regionalChanged_ = std::move(handler); }
  // The foreground watch's poll, run every few milliseconds while the refresh timer runs; it
  // must not throw.
  void SetForegroundPoll(std::function<void()> poll) { foregroundPoll_ = std::move(poll); }
  // Takes the tray icon away and destroys the window without the unload handling: the end of
  // a start-up that failed.
  void Abandon();
  // The orderly end: the timer stops, the form unloads (titles back, journal cleared) and the
  // icon and window go. Runs once, whichever of the user, the session or the end of the message
  // loop comes first.
  void Close();

  void ShowTrayIcon() override { tray_->Show(); }
  void AttachMenu() override { menuAttached_ = true; }
  void SetRuleCountCaption(std::u16string_view caption) override { menu_.SetRuleCountCaption(caption); }
  bool IsAutoStartChecked() override { return menu_.IsAutoStartChecked(); }
  void SetAutoStartChecked(bool checked) override { menu_.SetAutoStartChecked(checked); }
  void UnloadForm() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OpenMenu();

  HINSTANCE instance_;
  OwnedIcon bigIcon_;
  PopupMenu menu_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<RefreshTimer> timer_;
  MainForm* form_ = nullptr;
  std::function<void()> displayChanged_;
  std::function<void()> regionalChanged_;
  std::function<void()> foregroundPoll_;
  bool menuAttached_ = false;
  bool menuOpen_ = false;
  bool closed_ = false;
};

}  // namespace lartsen::win32
