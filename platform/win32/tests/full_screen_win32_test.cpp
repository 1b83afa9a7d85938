// The full-screen guard on real windows: a popup covering the monitor, windows that do not,
// and the desktop's own windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/full_screen_guard.h"
#include "platform/win32/full_screen_win32.h"
#include "platform/win32/host_win32.h"
#include "platform/win32/window_win32.h"
#include "support/window_port.h"

namespace lartsen::win32 {
namespace {

// Just what the guard reads of windows: the foreground window and class names.
class ClassNames : public WindowPort {
 public:
  WindowHandle GetForegroundWindow() override {
    return reinterpret_cast<WindowHandle>(::GetForegroundWindow());
  }
  std::u16string GetWindowText(WindowHandle) override { return {}; }
  void SetWindowText(WindowHandle, std::u16string_view) override {}
  std::u16string GetWindowClassName(WindowHandle window) override {
    wchar_t name[256] = {};
    const int length = GetClassNameW(reinterpret_cast<HWND>(window), name, 256);
    return std::u16string(reinterpret_cast<const char16_t*>(name), length > 0 ? length : 0);
  }
};

const wchar_t* RegisterPlainClass(const wchar_t* name) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name;
  RegisterClassW(&windowClass);
  return name;
}

class FullScreenWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    monitor = screen.GetPrimaryScreenRect();
    if (auto rect = screen.GetMonitorRect(screen.GetDesktopWindow())) monitor = *rect;
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
  }
  HWND Popup(const wchar_t* className, const ScreenRect& r) {
    window = CreateWindowExW(WS_EX_TOOLWINDOW, className, L"full screen", WS_POPUP | WS_VISIBLE,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    return window;
  }
  bool Judge(HWND w) {
    return guard.IsFullScreenWindow(reinterpret_cast<WindowHandle>(w), 0).FullScreen;
  }

  ClassNames windows;
  ScreenWin32 screen;
  HostWin32 host;
  FullScreenGuard guard{windows, screen, host};
  ScreenRect monitor;
  HWND window = nullptr;
};

TEST_F(FullScreenWin32Test, PopupCoveringTheMonitorExactlyIsFullScreen) {
  ASSERT_NE(Popup(RegisterPlainClass(L"LartsenGame"), monitor), nullptr);
  EXPECT_TRUE(Judge(window));

  // Through the foreground window, where the window manager lets us have the foreground.
  SetForegroundWindow(window);
  if (::GetForegroundWindow() == window) {
    const FullScreenCheck check = guard.IsFullScreenWindow(0, 0);
    EXPECT_TRUE(check.FullScreen);
    EXPECT_EQ(check.Window, reinterpret_cast<WindowHandle>(window));
  }
}

TEST_F(FullScreenWin32Test, WindowsOnePixelOffOrMaximisedAreNot) {
  ASSERT_NE(Popup(RegisterPlainClass(L"LartsenGame"), monitor), nullptr);
  const int width = monitor.right - monitor.left, height = monitor.bottom - monitor.top;
  SetWindowPos(window, nullptr, monitor.left, monitor.top, width - 1, height, SWP_NOZORDER);
  EXPECT_FALSE(Judge(window));
  SetWindowPos(window, nullptr, monitor.left + 1, monitor.top, width, height, SWP_NOZORDER);
  EXPECT_FALSE(Judge(window));
  DestroyWindow(window);

  window = CreateWindowExW(0, RegisterPlainClass(L"LartsenDocument"), L"document",
                           WS_OVERLAPPEDWINDOW, 50, 50, 400, 300, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MAXIMIZE);
  EXPECT_FALSE(Judge(window));
}

TEST_F(FullScreenWin32Test, DesktopShellAndWorkerWindowsAreNever) {
  EXPECT_FALSE(Judge(::GetDesktopWindow()));
  if (const WindowHandle shell = screen.GetShellWindow()) {
    EXPECT_FALSE(Judge(reinterpret_cast<HWND>(shell)));
  }

  ASSERT_NE(Popup(RegisterPlainClass(L"WorkerW"), monitor), nullptr);
  EXPECT_FALSE(Judge(window));
}

TEST_F(FullScreenWin32Test, KeptMonitorAnswersFollowTheWindowsCurrentRectangle) {
  // Within the lifetime of the kept geometry, each judgement must still see where the window
  // is now: covering, then not, then covering again.
  ASSERT_NE(Popup(RegisterPlainClass(L"LartsenGame"), monitor), nullptr);
  const int width = monitor.right - monitor.left, height = monitor.bottom - monitor.top;
  for (int round = 0; round < 3; ++round) {
    SetWindowPos(window, nullptr, monitor.left, monitor.top, width, height, SWP_NOZORDER);
    EXPECT_TRUE(Judge(window)) << round;
    SetWindowPos(window, nullptr, monitor.left, monitor.top, width / 2, height, SWP_NOZORDER);
    EXPECT_FALSE(Judge(window)) << round;
  }

  // A kept answer is the one a fresh read gives, for this window and after a layout change.
  const std::optional<ScreenRect> kept = screen.GetMonitorRect(reinterpret_cast<WindowHandle>(window));
  screen.ForgetGeometry();
  EXPECT_EQ(screen.GetMonitorRect(reinterpret_cast<WindowHandle>(window)), kept);
  EXPECT_EQ(screen.GetPrimaryScreenRect(),
            (ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST(WindowWin32Facts, ClassNamesOfSeveralWindowsInTurn) {
  // The class kept for one window is never answered for another.
  WindowWin32 windows;
  HWND first = CreateWindowExW(0, RegisterPlainClass(L"LartsenFirst"), L"a", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND second = CreateWindowExW(0, RegisterPlainClass(L"LartsenSecond"), L"b", WS_POPUP, 0, 0, 10,
                                10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(first && second);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(windows.GetWindowClassName(reinterpret_cast<WindowHandle>(first)), u"LartsenFirst");
    EXPECT_EQ(windows.GetWindowClassName(reinterpret_cast<WindowHandle>(second)), u"LartsenSecond");
  }
  DestroyWindow(first);
  DestroyWindow(second);
}

}  // namespace
}  // namespace lartsen::win32
