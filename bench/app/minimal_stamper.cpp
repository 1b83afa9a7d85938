// The yardstick of the resident program's cost: a stamper that does nothing but read the
// foreground window's title and write it back with a fixed stamp, at the same rate. Given
// "window", it also owns a hidden top-level window that takes its timer, as the program must.
#include <windows.h>

#include <string>

namespace {

HWND lastWindow = nullptr;
std::wstring ownTitle;

void Tick() {
  HWND window = GetForegroundWindow();
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  if (window != lastWindow) {
    lastWindow = window;
    ownTitle = text;
  }
  SetWindowTextW(window, (ownTitle + L" [stamp]").c_str());
}

}  // namespace

// Arguments: the interval in milliseconds, then optionally "window".
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  UINT interval = static_cast<UINT>(_wtoi(commandLine));
  if (interval == 0) interval = 1;
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
