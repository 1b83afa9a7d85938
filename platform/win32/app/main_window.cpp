// Window procedure of the hidden main window and the tray icon's life, re-added when the shell restarts.
#include "platform/win32/app/main_window.h"

#include <string>

#include "app/main_form.h"
#include "app/menu_model.h"
#include "platform/win32/last_error_win32.h"
#include "platform/win32/win_text.h"
#include "support/error.h"
#include "support/types.h"

namespace lartsen::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"LartsenMainWindow";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT_PTR kTrayRetryTimer = 2;
// At logon the shell may not take icons yet: try every two seconds for two minutes.
constexpr UINT kTrayRetryInterval = 2000;
constexpr int kTrayRetries = 60;

HMENU BuildItems(std::span<const MenuItem> items, int commandBase, HMENU submenu) {
  HMENU menu = CreatePopupMenu();
  if (!menu) ThrowLastError(u"Не удаётся создать меню");
  for (const MenuItem& item : items) {
    std::wstring caption = Wide(item.Caption);
    UINT_PTR id = static_cast<UINT_PTR>(commandBase + item.Index);
    switch (item.Kind) {
      case MenuItemKind::Separator:
        AppendMenuW(menu, MF_SEPARATOR, id, nullptr);
        break;
      case MenuItemKind::Information:
        AppendMenuW(menu, MF_STRING | MF_GRAYED, id, caption.c_str());
        break;
      case MenuItemKind::Submenu:
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
        break;
      case MenuItemKind::Command:
      case MenuItemKind::Check:
        AppendMenuW(menu, MF_STRING, id, caption.c_str());
        break;
    }
  }
  return menu;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

  bigIcon_ = static_cast<HICON>(LoadImageW(instance_, L"A_MAIN", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &MainWindow::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = bigIcon_;
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    ThrowLastError(u"Не удаётся зарегистрировать класс главного окна");
  }
  // A top-level window that is never shown; its caption lets others find the running program.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, Wide(AppGuid).c_str(), WS_OVERLAPPEDWINDOW,
                          CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance_, this);
  if (!hwnd_) ThrowLastError(u"Не удаётся создать главное окно");
  BuildMenu();
  SetTimer(hwnd_, kRefreshTimer, refreshInterval_, nullptr);
}

MainWindow::~MainWindow() {
  if (hwnd_) {
    RemoveTrayIcon();
    DestroyWindow(hwnd_);
  }
  if (popup_) DestroyMenu(popup_);  // the help submenu goes with it
  if (trayIcon_) DestroyIcon(trayIcon_);
  if (bigIcon_) DestroyIcon(bigIcon_);
}

void MainWindow::BuildMenu() {
  HMENU help = BuildItems(HelpMenuItems(), kHelpCommandBase, nullptr);
  popup_ = BuildItems(ContextMenuItems(), kContextCommandBase, help);
}

void MainWindow::Abandon() {
  form_ = nullptr;
  closed_ = true;
  RemoveTrayIcon();
  if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::AddTrayIcon() {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = trayIcon_;
  std::wstring tip = Wide(DisplayTitle);
  tip.copy(data.szTip, std::size(data.szTip) - 1);
  // After a shell restart that kept the icon, adding fails but modifying succeeds.
  trayShown_ = Shell_NotifyIconW(NIM_ADD, &data) || Shell_NotifyIconW(NIM_MODIFY, &data);
  return trayShown_;
}

void MainWindow::RemoveTrayIcon() {
  trayWanted_ = false;
  if (!trayShown_ || !hwnd_) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  trayShown_ = false;
}

void MainWindow::StartTrayRetry() {
  trayRetriesLeft_ = kTrayRetries;
  SetTimer(hwnd_, kTrayRetryTimer, kTrayRetryInterval, nullptr);
}

void MainWindow::ShowTrayIcon() {
  if (!trayIcon_) {
    trayIcon_ = static_cast<HICON>(LoadImageW(instance_, L"A_MAIN", IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    if (!trayIcon_) ThrowLastError(u"Не удаётся загрузить значок программы");
  }
  trayWanted_ = true;
  if (!AddTrayIcon()) StartTrayRetry();
}

void MainWindow::SetRuleCountCaption(std::u16string_view caption) {
  UINT id = static_cast<UINT>(ContextCommandId(kRuleCountIndex));
  if (!ModifyMenuW(popup_, id, MF_BYCOMMAND | MF_STRING | MF_GRAYED, id, Wide(caption).c_str())) {
    ThrowLastError(u"Не удаётся изменить меню");
  }
}

bool MainWindow::IsAutoStartChecked() {
  UINT state = GetMenuState(popup_, static_cast<UINT>(ContextCommandId(kAutoStartIndex)), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void MainWindow::SetAutoStartChecked(bool checked) {
  CheckMenuItem(popup_, static_cast<UINT>(ContextCommandId(kAutoStartIndex)),
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::UnloadForm() {
  // Closing runs after the command has returned, through the same path as any other close.
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void MainWindow::Disable() { KillTimer(hwnd_, kRefreshTimer); }

void MainWindow::SetInterval(std::int32_t milliseconds) {
  refreshInterval_ = static_cast<UINT>(milliseconds < 1 ? 1 : milliseconds);
}

void MainWindow::Enable() {
  if (!SetTimer(hwnd_, kRefreshTimer, refreshInterval_, nullptr)) {
    ThrowLastError(u"Не удаётся запустить таймер");
  }
}

void MainWindow::OpenMenu() {
  if (!menuAttached_ || menuOpen_ || closed_) return;
  menuOpen_ = true;
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(hwnd_);
  TrackPopupMenuEx(popup_, TPM_RIGHTBUTTON | TPM_RIGHTALIGN | TPM_BOTTOMALIGN, cursor.x, cursor.y,
                   hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
  menuOpen_ = false;
}

void MainWindow::Close() {
  if (closed_) return;
  closed_ = true;
  KillTimer(hwnd_, kRefreshTimer);
  KillTimer(hwnd_, kTrayRetryTimer);
  if (form_) form_->Form_QueryUnload();
  RemoveTrayIcon();
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creator = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    creator->hwnd_ = hwnd;  // messages of CreateWindowExW arrive before it returns
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creator));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return self->Handle(hwnd, message, wParam, lParam);
  } catch (...) {
    // Nothing thrown may unwind through the system's dispatch.
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT MainWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell has restarted and forgotten the icons.
    if (trayWanted_ && !closed_ && !AddTrayIcon()) StartTrayRetry();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kRefreshTimer) {
        if (form_ && !closed_) form_->OnTimer();
      } else if (wParam == kTrayRetryTimer) {
        if (!trayWanted_ || AddTrayIcon() || --trayRetriesLeft_ <= 0) KillTimer(hwnd_, kTrayRetryTimer);
      }
      return 0;
    case kTrayCallbackMessage:
      switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
        case NIN_SELECT:
        case NIN_KEYSELECT:
          OpenMenu();
          break;
        default:
          break;
      }
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0 && form_ && !closed_) {
        if (form_->OnCommand(LOWORD(wParam))) return 0;
      }
      break;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      if (displayChanged_) displayChanged_();
      if (message == WM_SETTINGCHANGE && regionalChanged_ && lParam != 0 &&
          lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0) {
        regionalChanged_();
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      // The process may be ended without further notice: the stamped title goes back now, and
      // no tick stamps again while the other programs are asked.
      if (form_ && !closed_) {
        KillTimer(hwnd, kRefreshTimer);
        form_->Form_QueryUnload();
      }
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) {
        Close();
      } else if (!closed_) {
        SetTimer(hwnd, kRefreshTimer, refreshInterval_, nullptr);  // the session goes on
      }
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kRefreshTimer);
      KillTimer(hwnd, kTrayRetryTimer);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace lartsen::win32
