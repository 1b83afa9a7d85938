// The yardstick of the resident program's cost: a stamper that does nothing but read the
// foreground window's title and write it back with a fixed stamp, at the same rate. Given
// "window", it also owns a hidden top-level window that takes its timer, as the program must.
// Given "changes", its stamp is the time ("[hh:mm:ss]") and it writes only a title that differs
// from the one shown: the least any stamper of the time must cost the desktop.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND lastWindow = nullptr;
std::wstring ownTitle;
bool onlyChanges = false;

std::wstring Stamp() {
  if (!onlyChanges) return L" [stamp]";
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[16];
  std::swprintf(text, 16, L" [%02u:%02u:%02u]", now.wHour, now.wMinute, now.wSecond);
  return text;
}

void Tick() {
  HWND window = GetForegroundWindow();
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  if (window != lastWindow) {
    lastWindow = window;
    ownTitle = text;
  }
  const std::wstring title = ownTitle + Stamp();
  if (onlyChanges && title == text) return;
  SetWindowTextW(window, title.c_str());
}

}  // namespace

// Arguments: the interval in milliseconds, then optionally "window" and "changes".
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  UINT interval = static_cast<UINT>(_wtoi(commandLine));
  if (interval == 0) interval = 1;
  onlyChanges = std::wstring(commandLine).find(L"changes") != std::wstring::npos;
  HWND owner = nullptr;
  if (std::wstring(commandLine).find(L"window") != std::wstring::npos) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MinimalStamperWindow";
    RegisterClassW(&windowClass);
    owner = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Minimal stamper",
                            WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr,
                            nullptr, instance, nullptr);
  }
  SetTimer(owner, 0, interval, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) Tick();
    DispatchMessageW(&message);
  }
  return 0;
}
