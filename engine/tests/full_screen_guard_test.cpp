// The full-screen guard judged on fake screens: monitors, desktop windows, failing calls.
#include "engine/full_screen_guard.h"

#include <gtest/gtest.h>

#include <map>

#include "support/testing/fake_windows.h"
#include "support/error.h"
#include "support/testing/fake_host.h"

namespace lartsen {
namespace {

class FakeScreen : public ScreenPort {
 public:
  ScreenRect GetPrimaryScreenRect() override { return primary; }
  std::optional<ScreenRect> GetMonitorRect(WindowHandle window) override {
    ++monitorCalls;
    monitorAskedFor = window;
    if (failMonitor) throw Error(status::kFail, u"monitor");
    auto it = monitors.find(window);
    if (it == monitors.end()) return std::nullopt;
    return it->second;
  }
  WindowHandle GetDesktopWindow() override { return desktop; }
  WindowHandle GetShellWindow() override {
    if (failShell) throw Error(status::kFail, u"shell");
    return shell;
  }
  std::optional<ScreenRect> GetWindowRect(WindowHandle window) override {
    auto it = rects.find(window);
    if (it == rects.end()) return std::nullopt;
    return it->second;
  }

  ScreenRect primary{0, 0, 1920, 1080};
  std::map<WindowHandle, ScreenRect> monitors;
  std::map<WindowHandle, ScreenRect> rects;
  WindowHandle desktop = 1;
  WindowHandle shell = 2;
  bool failMonitor = false;
  bool failShell = false;
  int monitorCalls = 0;
  WindowHandle monitorAskedFor = 0;
};

constexpr WindowHandle kGame = 100;
constexpr ScreenRect kSecondMonitor{1920, 0, 3200, 1024};

class FullScreenGuardTest : public ::testing::Test {
 protected:
  bool AskForeground() {
    return guard.IsFullScreenWindow(0, 0).FullScreen;
  }
  void ShowOnPrimary(WindowHandle w, ScreenRect rect) {
    windows.foreground = w;
    screen.monitors[w] = screen.primary;
    screen.rects[w] = rect;
  }

  testing::FakeWindows windows;
  FakeScreen screen;
  FakeHost host;
  FullScreenGuard guard{windows, screen, host};
};

TEST_F(FullScreenGuardTest, ExactCoverIsFullScreenAnyOtherRectIsNot) {
  ShowOnPrimary(kGame, {0, 0, 1920, 1080});
  EXPECT_TRUE(AskForeground());

  for (ScreenRect off : {ScreenRect{1, 0, 1920, 1080}, ScreenRect{0, -1, 1920, 1080},
                         ScreenRect{0, 0, 1921, 1080}, ScreenRect{0, 0, 1920, 1040},
                         ScreenRect{-8, -8, 1928, 1088}}) {
    screen.rects[kGame] = off;
    EXPECT_FALSE(AskForeground()) << off.left << "," << off.top << "," << off.right << "," << off.bottom;
  }
}

TEST_F(FullScreenGuardTest, JudgesByTheWindowsOwnMonitorAndReportsTheHandlesUsed) {
  windows.foreground = kGame;
  screen.monitors[kGame] = kSecondMonitor;
  screen.rects[kGame] = kSecondMonitor;
  const FullScreenCheck check = guard.IsFullScreenWindow(0, 0);
  EXPECT_TRUE(check.FullScreen);
  EXPECT_EQ(check.Window, kGame);
  EXPECT_EQ(check.MonitorWindow, kGame);
  EXPECT_EQ(screen.monitorAskedFor, kGame);

  // Covering the primary screen is not enough when the window sits on the second monitor.
  screen.rects[kGame] = screen.primary;
  EXPECT_FALSE(AskForeground());
}

TEST_F(FullScreenGuardTest, DesktopShellAndWorkerWindowsAreNeverFullScreen) {
  for (WindowHandle w : {screen.desktop, screen.shell}) {
    ShowOnPrimary(w, screen.primary);
    EXPECT_FALSE(AskForeground()) << w;
  }

  ShowOnPrimary(kGame, screen.primary);
  windows.classes[kGame] = u"WorkerW";
  EXPECT_FALSE(AskForeground());
  // Only the exact class name is the desktop's; other spellings are ordinary windows.
  windows.classes[kGame] = u"workerw";
  EXPECT_TRUE(AskForeground());

  ShowOnPrimary(0, screen.primary);  // no foreground window
  EXPECT_FALSE(AskForeground());
}

TEST_F(FullScreenGuardTest, FailingStepsAreSkippedNeverRaised) {
  ShowOnPrimary(kGame, screen.primary);
  screen.monitors.erase(kGame);  // no monitor found: the primary screen is the reference
  EXPECT_TRUE(AskForeground());

  screen.failMonitor = true;
  screen.failShell = true;
  windows.failClass = true;
  EXPECT_TRUE(AskForeground());

  screen.rects.erase(kGame);  // the window has gone: nothing to compare
  EXPECT_FALSE(AskForeground());
}

TEST_F(FullScreenGuardTest, HostsWithoutMonitorFunctionsUseThePrimaryScreen) {
  windows.foreground = kGame;
  screen.monitors[kGame] = kSecondMonitor;
  screen.rects[kGame] = screen.primary;
  for (bool FakeHost::*flag : {&FakeHost::win95, &FakeHost::nt40, &FakeHost::nt351}) {
    host = FakeHost{};
    host.*flag = true;
    screen.monitorCalls = 0;
    EXPECT_TRUE(AskForeground());
    EXPECT_EQ(screen.monitorCalls, 0);
  }
  host = FakeHost{};
  EXPECT_FALSE(AskForeground());
  EXPECT_EQ(screen.monitorCalls, 1);
}

}  // namespace
}  // namespace lartsen
