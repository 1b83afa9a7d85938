// A helper process for the process-name tests: shows one window titled by its argument and
// lives until that window is closed (or a minute has passed, should its test have died).
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "plain_window.h"

namespace {

constexpr UINT_PTR kLifetimeTimer = 1;

LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    DestroyWindow(window);
    return 0;
  }
  return lartsen::win32::helper::EndWithWindow(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::wstring title = (args && count > 1) ? args[1] : L"engine helper";
  LocalFree(args);

  using namespace lartsen::win32::helper;
  HWND window = CreatePlainWindow(instance, HelperProc,
                                  {.className = L"LartsenEngineHelper", .title = title.c_str(), .x = 10, .y = 10,
                                   .width = 200, .height = 100});
  if (!window) return 1;
  SetTimer(window, kLifetimeTimer, 60000, nullptr);
  RunMessageLoop();
  return 0;
}
