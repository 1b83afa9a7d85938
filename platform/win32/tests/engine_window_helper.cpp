// A helper process for the process-name tests: shows one window titled by its argument and
// lives until that window is closed (or a minute has passed, should its test have died).
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr UINT_PTR kLifetimeTimer = 1;

LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::wstring title = (args && count > 1) ? args[1] : L"engine helper";
  LocalFree(args);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HelperProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"LartsenEngineHelper";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                10, 10, 200, 100, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  SetTimer(window, kLifetimeTimer, 60000, nullptr);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
