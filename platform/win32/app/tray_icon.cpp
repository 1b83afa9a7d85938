// The tray icon's life: add, modify after a shell restart, retry at logon, delete.
#include "platform/win32/app/tray_icon.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/app/main_window_messages.h"
#include "platform/win32/last_error_win32.h"
#include "platform/win32/win_text.h"
#include "support/types.h"

namespace lartsen::win32 {
namespace {

constexpr UINT kIconId = 1;
// At logon the shell may not take icons yet: try every two seconds for two minutes.
constexpr UINT kRetryInterval = 2000;
constexpr int kRetries = 60;

}  // namespace

TrayIcon::TrayIcon(HWND owner, HINSTANCE instance)
    : owner_(owner), instance_(instance), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

void TrayIcon::Show() {
  if (!icon_) {
    icon_.reset(static_cast<HICON>(LoadImageW(instance_, L"A_MAIN", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    if (!icon_) ThrowLastError(UiText::CannotLoadProgramIcon);
  }
  wanted_ = true;
  if (!Add()) StartRetries();
}

bool TrayIcon::Add() {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = kIconId;
  data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon_.get();
  std::wstring tip = Wide(DisplayTitle);
  tip.copy(data.szTip, std::size(data.szTip) - 1);
  // After a shell restart that kept the icon, adding fails but modifying succeeds.
  shown_ = Shell_NotifyIconW(NIM_ADD, &data) || Shell_NotifyIconW(NIM_MODIFY, &data);
  return shown_;
}

void TrayIcon::Remove() {
  wanted_ = false;
  KillTimer(owner_, kTrayRetryTimer);
  if (!shown_) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = kIconId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  shown_ = false;
}

void TrayIcon::StartRetries() {
  retriesLeft_ = kRetries;
  SetTimer(owner_, kTrayRetryTimer, kRetryInterval, nullptr);
}

std::optional<TrayIcon::Action> TrayIcon::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell has restarted and forgotten the icons.
    if (wanted_ && !Add()) StartRetries();
    return Action::None;
  }
  if (message == WM_TIMER && wParam == kTrayRetryTimer) {
    if (!wanted_ || Add() || --retriesLeft_ <= 0) KillTimer(owner_, kTrayRetryTimer);
    return Action::None;
  }
  if (message != kTrayCallbackMessage) return std::nullopt;
  // The shell names our icon in wParam; the same message with any other id was posted by some
  // other program and opens nothing.
  if (wParam != kIconId) return Action::None;
  switch (LOWORD(lParam)) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
      return Action::OpenMenu;
    default:
      return Action::None;
  }
}

}  // namespace lartsen::win32
