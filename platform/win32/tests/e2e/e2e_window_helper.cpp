// A plain top-level window for the end-to-end runs: shown with the title given, brought to the
// foreground, optionally covering the whole primary screen, or hanging (its thread asleep for
// kHangMs) once the first title is written to it; ends on WM_CLOSE. With
// LARTSEN_HELPER_COUNT_FILE set, the number of titles written to it so far is kept in that file
// (rewritten ten times a second), so that a benchmark can tell how often a stamper writes.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "../plain_window.h"

namespace {

constexpr UINT_PTR kCountTimer = 1;
constexpr UINT kHangMessage = WM_APP + 1;
constexpr DWORD kHangMs = 12000;
bool hangAfterFirstTitle = false;
unsigned long long titlesWritten = 0;
wchar_t countFile[MAX_PATH] = {};

void SaveCount() {
  FILE* file = _wfopen(countFile, L"w");
  if (!file) return;
  std::fprintf(file, "%llu\n", titlesWritten);
  std::fclose(file);
}

LRESULT CALLBACK HelperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    ++titlesWritten;
    if (hangAfterFirstTitle) {
      hangAfterFirstTitle = false;
      PostMessageW(hwnd, kHangMessage, 0, 0);  // after the title has been taken
    }
  }
  if (message == kHangMessage) {
    Sleep(kHangMs);
    return 0;
  }
  if (message == WM_TIMER && wParam == kCountTimer) {
    SaveCount();
    return 0;
  }
  return lartsen::win32::helper::EndWithWindow(hwnd, message, wParam, lParam);
}

}  // namespace

// Arguments: title [fullscreen | hang]
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring title = count > 1 ? args[1] : L"Helper";
  bool fullScreen = count > 2 && std::wstring(args[2]) == L"fullscreen";
  hangAfterFirstTitle = count > 2 && std::wstring(args[2]) == L"hang";
  LocalFree(args);

  using namespace lartsen::win32::helper;
  PlainWindow shape{.className = L"LartsenE2EHelper", .title = title.c_str(),
                    .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .x = 100, .y = 100, .width = 400, .height = 200,
                    .background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
  if (fullScreen) {
    shape.style = WS_POPUP | WS_VISIBLE;
    shape.x = shape.y = 0;
    shape.width = GetSystemMetrics(SM_CXSCREEN);
    shape.height = GetSystemMetrics(SM_CYSCREEN);
  }
  HWND hwnd = CreatePlainWindow(instance, HelperProc, shape);
  if (!hwnd) return 1;
  SetForegroundWindow(hwnd);
  if (GetEnvironmentVariableW(L"LARTSEN_HELPER_COUNT_FILE", countFile, MAX_PATH) - 1u < MAX_PATH - 1u) {
    SetTimer(hwnd, kCountTimer, 100, nullptr);
  }
  RunMessageLoop();
  return 0;
}
