// The hidden main window's procedure: each message goes to the part that owns it.
#include "platform/win32/app/main_window.h"

#include "app/main_form.h"
#include "platform/win32/app/main_window_messages.h"
#include "platform/win32/last_error_win32.h"
#include "platform/win32/win_text.h"
#include "support/types.h"

namespace lartsen::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"LartsenMainWindow";
// A session end that was asked about but never announced (the query came alone, or another
// program cancelled without the announcement reaching us) does not stop the stamping for good.
constexpr UINT kEndSessionWait = 10000;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, UiLanguage language)
    : instance_(instance),
      bigIcon_(static_cast<HICON>(LoadImageW(instance, L"A_MAIN", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR))),
      menu_(language) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &MainWindow::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = bigIcon_.get();
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    ThrowLastError(UiText::CannotRegisterMainWindowClass);
  }
  // A top-level window that is never shown; its caption lets others find the running program.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, Wide(AppGuid).c_str(), WS_OVERLAPPEDWINDOW,
                          CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance_, this);
  if (!hwnd_) ThrowLastError(UiText::CannotCreateMainWindow);
  tray_ = std::make_unique<TrayIcon>(hwnd_, instance_);
  timer_ = std::make_unique<RefreshTimer>(hwnd_);
  timer_->Start();
}

MainWindow::~MainWindow() {
  closed_ = true;  // a destruction of our own: WM_DESTROY may end the loop
  timer_.reset();
  tray_.reset();
  if (hwnd_) DestroyWindow(hwnd_);
}

void MainWindow::Abandon() {
  form_ = nullptr;
  closed_ = true;
  timer_->Stop();
  tray_->Remove();
  if (hwnd_) DestroyWindow(hwnd_);
}

void MainWindow::UnloadForm() {
  // Closing runs after the command has returned, through the same path as any other close.
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void MainWindow::OpenMenu() {
  if (!menuAttached_ || menuOpen_ || closed_) return;
  menuOpen_ = true;
  const int command = menu_.Open(hwnd_);
  menuOpen_ = false;
  // The command runs after the menu has closed, as a posted WM_COMMAND would have.
  if (command != 0 && form_ && !closed_) form_->OnCommand(command);
}

void MainWindow::Close() {
  if (closed_) return;
  closed_ = true;
  KillTimer(hwnd_, kEndSessionWaitTimer);
  timer_->Stop();
  if (form_) form_->Unload();
  tray_->Remove();
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
  // The parts exist once the window has been created; its creation messages pass by.
  if (tray_ && !closed_) {
    if (auto action = tray_->Handle(message, wParam, lParam)) {
      if (*action == TrayIcon::Action::OpenMenu) OpenMenu();
      return 0;
    }
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kRefreshTimer) {
        if (form_ && !closed_) form_->OnTimer();
        timer_->PlaceNextTick();
      } else if (wParam == kForegroundPollTimer) {
        if (form_ && !closed_ && timer_->Ticking() && foregroundPoll_) foregroundPoll_();
      } else if (wParam == kEndSessionWaitTimer) {
        KillTimer(hwnd_, kEndSessionWaitTimer);
        if (!closed_) timer_->Start();
      }
      return 0;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      if (displayChanged_) displayChanged_();
      if (message == WM_SETTINGCHANGE && regionalChanged_ && lParam != 0 &&
          lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0) {
        regionalChanged_();
      }
      break;
    case WM_TIMECHANGE:
      // The clock was set: a fresh stamp now, and the next tick placed in step with the new
      // time rather than after what is left of the old interval.
      if (form_ && !closed_ && timer_->Ticking()) {
        form_->OnTimer();
        timer_->Start();
      }
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      // The process may be ended without further notice: the stamped title goes back now, and
      // no tick stamps again while the other programs are asked.
      if (form_ && !closed_) {
        timer_->Stop();
        form_->Unload();
        SetTimer(hwnd_, kEndSessionWaitTimer, kEndSessionWait, nullptr);
      }
      return TRUE;
    case WM_ENDSESSION:
      KillTimer(hwnd_, kEndSessionWaitTimer);
      if (wParam) {
        Close();
      } else if (!closed_) {
        timer_->Start();  // the session goes on
      }
      return 0;
    case WM_DESTROY:
      // Only our own destruction ends the loop; the same message sent by another program
      // destroys nothing and is ignored.
      if (!closed_) return 0;
      if (timer_) timer_->Stop();
      if (tray_) tray_->Remove();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace lartsen::win32
