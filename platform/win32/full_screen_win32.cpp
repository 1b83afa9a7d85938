// Screen geometry for the full-screen guard from the Windows user interface.
#include "platform/win32/full_screen_win32.h"

#include <windows.h>

namespace lartsen::win32 {

namespace {

using MonitorFromWindowFunction = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoWFunction = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);
using GetShellWindowFunction = HWND(WINAPI*)();

template <typename Function>
Function User32Entry(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

ScreenRect FromRect(const RECT& r) {
  return {static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
          static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

ScreenRect ScreenWin32::GetPrimaryScreenRect() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::optional<ScreenRect> ScreenWin32::GetMonitorRect(WindowHandle window) {
  static const auto monitorFromWindow = User32Entry<MonitorFromWindowFunction>("MonitorFromWindow");
  static const auto getMonitorInfo = User32Entry<GetMonitorInfoWFunction>("GetMonitorInfoW");
  if (!monitorFromWindow || !getMonitorInfo) return std::nullopt;

  HMONITOR monitor = monitorFromWindow(ToHwnd(window), MONITOR_DEFAULTTONEAREST);
  if (!monitor) return std::nullopt;
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (!getMonitorInfo(monitor, &info)) return std::nullopt;
  return FromRect(info.rcMonitor);
}

WindowHandle ScreenWin32::GetDesktopWindow() {
  return reinterpret_cast<WindowHandle>(::GetDesktopWindow());
}

WindowHandle ScreenWin32::GetShellWindow() {
  static const auto getShellWindow = User32Entry<GetShellWindowFunction>("GetShellWindow");
  return getShellWindow ? reinterpret_cast<WindowHandle>(getShellWindow()) : 0;
}

std::optional<ScreenRect> ScreenWin32::GetWindowRect(WindowHandle window) {
  RECT rect{};
  if (window == 0 || !::GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
  return FromRect(rect);
}

}  // namespace lartsen::win32
