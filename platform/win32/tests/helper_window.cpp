// A window in a second process for the title tests: created with a given class and title, it
// retitles itself or stops answering for a while when the test posts it a private message.
//   helper_window CLASS TITLE
//   WM_APP + 1 (wParam n): the helper sets its own title to "Retitled by helper n".
//   WM_APP + 2 (wParam ms): the helper's only thread sleeps, so the window answers nothing.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

LRESULT CALLBACK HelperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_APP + 1: {
      const std::wstring title = L"Retitled by helper " + std::to_wstring(wParam);
      SetWindowTextW(hwnd, title.c_str());
      return 0;
    }
    case WM_APP + 2:
      Sleep(static_cast<DWORD>(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 3) return 2;
  WNDCLASSW wc{};
  wc.lpfnWndProc = HelperProc;
  wc.hInstance = instance;
  wc.lpszClassName = argv[1];
  if (!RegisterClassW(&wc)) return 3;
  HWND hwnd = CreateWindowExW(0, argv[1], argv[2], WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr,
                              nullptr, instance, nullptr);
  if (hwnd == nullptr) return 4;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  LocalFree(argv);
  return 0;
}
