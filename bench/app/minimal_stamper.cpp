// The yardstick of the resident program's cost: a stamper that does nothing but read the
// foreground window's title and write it back with a fixed stamp, at the same rate.
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

// Argument: the interval in milliseconds.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  UINT interval = static_cast<UINT>(_wtoi(commandLine));
  if (interval == 0) interval = 1;
  SetTimer(nullptr, 0, interval, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) Tick();
    DispatchMessageW(&message);
  }
  return 0;
}
