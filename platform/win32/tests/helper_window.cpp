// A window in a second process for the title tests: created with a given class and title, it
// retitles itself or stops answering for a while when the test posts it a private message.
//   helper_window CLASS TITLE
//   WM_APP + 1 (wParam n): the helper sets its own title to "Retitled by helper n".
//   WM_APP + 2 (wParam ms): the helper's only thread sleeps, so the window answers nothing.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "plain_window.h"

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
    default:
      return lartsen::win32::helper::EndWithWindow(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 3) return 2;
  using namespace lartsen::win32::helper;
  const PlainWindow shape{.className = argv[1], .title = argv[2], .x = 10, .y = 10, .width = 300, .height = 200};
  if (!RegisterPlainClass(instance, HelperProc, shape)) return 3;
  HWND hwnd = CreatePlainWindow(instance, HelperProc, shape);
  if (hwnd == nullptr) return 4;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  RunMessageLoop();
  LocalFree(argv);
  return 0;
}
