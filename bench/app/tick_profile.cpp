// Where the resident program's tick spends its time: each part of one tick, and the whole tick,
// against the minimal stamper's tick, repeated on the foreground window. Prints CPU and wall
// microseconds per call. Run under the layer with a window in front (run-tick-profile).
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "engine/full_screen_guard.h"
#include "engine/refresh_cycle.h"
#include "engine/title_writer.h"
#include "platform/win32/tests/plain_window.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/collation_win32.h"
#include "platform/win32/full_screen_win32.h"
#include "platform/win32/host_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/memory_win32.h"
#include "platform/win32/process_win32.h"
#include "platform/win32/window_win32.h"
#include "process/window_process_path.h"
#include "rules/conditions_table.h"
#include "settings/settings.h"
#include "template/title_format.h"
#include "wall_clock.h"

namespace {

using namespace lartsen;

double ProcessCpuMicroseconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto count = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  };
  return (count(kernel) + count(user)) / 10.0;
}

void Time(const char* name, int repeats, const std::function<void()>& step) {
  step();
  const double cpu0 = ProcessCpuMicroseconds(), wall0 = WallMicroseconds();
  for (int i = 0; i < repeats; ++i) step();
  const double cpu1 = ProcessCpuMicroseconds(), wall1 = WallMicroseconds();
  std::printf("%-34s %9.2f us CPU %9.2f us wall\n", name, (cpu1 - cpu0) / repeats,
              (wall1 - wall0) / repeats);
  std::fflush(stdout);
}

// Ticks as the resident program gets them: a hidden window's timer at 1 ms, for some seconds.
void RunTimerLoop(const char* name, int seconds, const std::function<void()>& tick) {
  HWND window = win32::helper::CreatePlainWindow(
      GetModuleHandleW(nullptr), DefWindowProcW,
      {.className = L"LartsenTickProfile", .title = L"profile", .width = 320, .height = 200,
       .extendedStyle = WS_EX_TOOLWINDOW});
  SetTimer(window, 1, 1, nullptr);
  long ticks = 0;
  const double cpu0 = ProcessCpuMicroseconds(), wall0 = WallMicroseconds();
  MSG message;
  while (WallMicroseconds() - wall0 < seconds * 1e6 && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == window) {
      ++ticks;
      tick();
      continue;
    }
    DispatchMessageW(&message);
  }
  const double cpu1 = ProcessCpuMicroseconds(), wall1 = WallMicroseconds();
  std::printf("%-34s %9.1f ticks/s %9.5f CPU s/s %9.2f us CPU per tick\n", name,
              ticks * 1e6 / (wall1 - wall0), (cpu1 - cpu0) / (wall1 - wall0),
              (cpu1 - cpu0) / (ticks ? ticks : 1));
  std::fflush(stdout);
  DestroyWindow(window);
}

}  // namespace

// Arguments: the repeats of each timed part (5000), then the seconds of each timer loop (0: none).
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int repeats = __argc > 1 ? _wtoi(__wargv[1]) : 0;
  if (repeats <= 0) repeats = 5000;
  const int seconds = __argc > 2 ? _wtoi(__wargv[2]) : 0;

  Settings settings;
  settings.TimeFormat = u"ttttt";
  settings.TitlePattern = u"[%time%]";
  win32::HostWin32 host;
  LocaleInfo locale = win32::UserDefaultLocaleInfo();
  win32::LocalClock clock;
  win32::MemoryWin32 memory;
  win32::WindowWin32 windows;
  win32::ScreenWin32 screen;
  win32::ProcessWin32 processRoutes{host};
  WindowProcessPath processes{processRoutes, host};
  FullScreenGuard guard{windows, screen, host};
  ConditionsTable table;
  table.Conditions.push_back({u"NoSuchClass", u"*", u"*"});
  table.ConditionColumnsUsed = {true, false, false};
  table.ConditionsLoaded = true;
  TitleFormatter formatter{settings.TitlePattern, settings.TimeFormat, locale, clock, memory};
  TitleWriter writer{windows, formatter};
  RefreshCycle cycle{guard, windows, processes, table, win32::UserCharacterOrder(), writer};

  const WindowHandle front = windows.GetForegroundWindow();
  std::printf("foreground %p\n", reinterpret_cast<void*>(front));
  Time("guard IsFullScreenWindow", repeats, [&] {
    guard.IsFullScreenWindow(0, 0);
  });
  Time("  GetForegroundWindow", repeats, [&] { windows.GetForegroundWindow(); });
  Time("  GetPrimaryScreenRect", repeats, [&] { screen.GetPrimaryScreenRect(); });
  Time("  GetMonitorRect", repeats, [&] { screen.GetMonitorRect(front); });
  Time("  GetShellWindow", repeats, [&] { screen.GetShellWindow(); });
  Time("  GetWindowClassName", repeats, [&] { windows.GetWindowClassName(front); });
  Time("  GetWindowRect", repeats, [&] { screen.GetWindowRect(front); });
  Time("FormatTitle", repeats, [&] { formatter.FormatTitle(std::nullopt, std::nullopt, std::nullopt); });
  Time("  clock Now", repeats, [&] { clock.Now(); });
  Time("  GlobalMemoryStatus", repeats, [&] { memory.GlobalMemoryStatus(); });
  Time("GetWindowText", repeats, [&] { windows.GetWindowText(front); });
  const std::u16string title = windows.GetWindowText(front);
  Time("TrySetWindowText", repeats, [&] { windows.TrySetWindowText(front, title); });
  Time("ApplyTitle", repeats, [&] { writer.ApplyTitle(front); });
  Time("whole tick", repeats, [&] { cycle.Tick(); });
  // The minimal stamper's tick: the foreground's title read and written back with a stamp.
  const auto minimalTick = [] {
    HWND window = GetForegroundWindow();
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    SetWindowTextW(window, (std::wstring(text) + L" [stamp]").c_str());
  };
  Time("minimal stamper's tick", repeats, minimalTick);
  if (seconds > 0) {
    RunTimerLoop("timer loop, empty tick", seconds, [] {});
    RunTimerLoop("timer loop, whole tick", seconds, [&] { cycle.Tick(); });
    RunTimerLoop("timer loop, minimal stamper's tick", seconds, minimalTick);
  }
  writer.ApplyTitle(0);
  return 0;
}
