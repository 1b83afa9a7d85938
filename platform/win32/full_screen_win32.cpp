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

std::optional<ScreenRect> ReadMonitorRect(HWND window) {
  static const auto monitorFromWindow = User32Entry<MonitorFromWindowFunction>("MonitorFromWindow");
  static const auto getMonitorInfo = User32Entry<GetMonitorInfoWFunction>("GetMonitorInfoW");
  if (!monitorFromWindow || !getMonitorInfo) return std::nullopt;

  HMONITOR monitor = monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  if (!monitor) return std::nullopt;
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (!getMonitorInfo(monitor, &info)) return std::nullopt;
  return FromRect(info.rcMonitor);
}

}  // namespace

void ScreenWin32::ForgetGeometry() {
  readAtMs_ = 0;
  primaryKnown_ = false;
  monitorKnown_ = false;
}

bool ScreenWin32::Fresh() {
  const std::uint32_t now = GetTickCount();
  if (readAtMs_ != 0 && now - readAtMs_ < kGeometryLifetimeMs) return true;
  ForgetGeometry();
  readAtMs_ = now == 0 ? 1 : now;
  return false;
}

ScreenRect ScreenWin32::GetPrimaryScreenRect() {
  if (!Fresh() || !primaryKnown_) {
    primary_ = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    primaryKnown_ = true;
  }
  return primary_;
}

std::optional<ScreenRect> ScreenWin32::GetMonitorRect(WindowHandle window) {
  // A minimised window is placed by its restored rectangle, which can only change while it is
  // minimised through SetWindowPlacement; its window rectangle then stays the icon's, so its
  // answer may be kept up to the lifetime. That cannot alter a judgement: a minimised window's
  // rectangle is never a monitor's.
  ScreenRect windowRect;
  if (justRead_ && justReadWindow_ == window && justReadAtMs_ == GetTickCount()) {
    // The guard has read this window's rectangle a moment ago, just before asking for its monitor.
    windowRect = justReadRect_;
  } else {
    RECT rect{};
    if (window == 0 || !::GetWindowRect(ToHwnd(window), &rect)) return ReadMonitorRect(ToHwnd(window));
    windowRect = FromRect(rect);
  }
  justRead_ = false;

  if (Fresh() && monitorKnown_ && monitorWindow_ == window && monitorWindowRect_ == windowRect) {
    return monitor_;
  }
  monitor_ = ReadMonitorRect(ToHwnd(window));
  monitorKnown_ = true;
  monitorWindow_ = window;
  monitorWindowRect_ = windowRect;
  return monitor_;
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
  justRead_ = false;
  if (window == 0 || !::GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
  justRead_ = true;
  justReadWindow_ = window;
  justReadAtMs_ = GetTickCount();
  justReadRect_ = FromRect(rect);
  return justReadRect_;
}

}  // namespace lartsen::win32
