// A plain top-level window for the end-to-end runs: shown with the title given, brought to the
// foreground, optionally covering the whole primary screen; ends on WM_CLOSE.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

LRESULT CALLBACK HelperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

// Arguments: title [fullscreen]
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring title = count > 1 ? args[1] : L"Helper";
  bool fullScreen = count > 2 && std::wstring(args[2]) == L"fullscreen";
  LocalFree(args);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HelperProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"LartsenE2EHelper";
  RegisterClassW(&windowClass);

  HWND hwnd;
  if (fullScreen) {
    hwnd = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                           nullptr, instance, nullptr);
  } else {
    hwnd = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(),
                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr,
                           instance, nullptr);
  }
  if (!hwnd) return 1;
  SetForegroundWindow(hwnd);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
