// The foreground watch over the real refresh cycle and title writer, on fake windows.
#include "engine/foreground_watch.h"

#include <gtest/gtest.h>

#include "engine/refresh_cycle.h"
#include "engine/testing/stamping_writer.h"
#include "support/testing/fake_windows.h"
#include "support/error.h"

namespace lartsen {
namespace {

constexpr WindowHandle kEditor = 11;
constexpr WindowHandle kBrowser = 22;

// Reads the foreground window as the real guard does; a window may be declared full screen.
class FakeGuard : public FullScreenQuery {
 public:
  explicit FakeGuard(testing::FakeWindows& windows) : windows_(windows) {}
  FullScreenCheck IsFullScreenWindow(WindowHandle, WindowHandle) override {
    const WindowHandle window = windows_.GetForegroundWindow();
    return {window, window, window == fullScreen};
  }
  WindowHandle fullScreen = 0;

 private:
  testing::FakeWindows& windows_;
};

class NoProcesses : public ProcessPathPort {
 public:
  std::u16string GetWindowProcessPath(WindowHandle, std::uint32_t&) override { return {}; }
};

class ForegroundWatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windows.titles = {{kEditor, u"Editor"}, {kBrowser, u"Browser"}};
    table.Conditions = {ConditionRow{u"NoSuchClass", u"*", u"*"}};
    table.ConditionColumnsUsed = {true, false, false};
    table.ConditionsLoaded = true;
    windows.foreground = kEditor;
    watch.Tick();  // the refresh at start
  }
  // Moves the clock on by a second (into it, clear of its edges), so that stamps differ.
  void NextSecond() { stamp.clock.Moment = 45000.5 + (++seconds + 0.25) / 86400; }

  testing::FakeWindows windows;
  testing::StampingWriter stamp{windows, u"hh:nn:ss"};
  FakeGuard guard{windows};
  NoProcesses processes;
  ConditionsTable table;
  int seconds = 0;
  int ticks = 0;
  std::function<void()> duringTick;  // a message let through while a tick runs
  ForegroundWatch watch{guard, windows, stamp.writer, [this] {
                          ++ticks;
                          if (duringTick) duringTick();
                          cycle.Tick();
                        }};
  RefreshCycle cycle{watch, windows, processes, table, PortableCharacterOrder(), stamp.writer};
};

TEST_F(ForegroundWatchTest, SwitchBetweenTimerTicksIsStampedByThePollOnce) {
  EXPECT_EQ(windows.titles[kEditor], u"Editor [12:00:00]");
  EXPECT_FALSE(watch.Poll());  // nothing has moved: one query, no tick
  EXPECT_EQ(ticks, 1);

  windows.foreground = kBrowser;
  NextSecond();
  EXPECT_TRUE(watch.Poll());
  EXPECT_EQ(windows.titles[kBrowser], u"Browser [12:00:01]");
  EXPECT_EQ(windows.titles[kEditor], u"Editor");
  const int queries = windows.foregroundCalls;
  EXPECT_FALSE(watch.Poll());
  EXPECT_FALSE(watch.Poll());
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(windows.foregroundCalls, queries + 2);

  // A switch the timer's tick got to first leaves nothing for the poll.
  windows.foreground = kEditor;
  watch.Tick();
  EXPECT_EQ(windows.titles[kBrowser], u"Browser");
  EXPECT_FALSE(watch.Poll());
  EXPECT_EQ(ticks, 3);
}

TEST_F(ForegroundWatchTest, FullScreenWindowIsPolledOnceAndLeftAlone) {
  guard.fullScreen = kBrowser;
  windows.foreground = kBrowser;
  NextSecond();
  EXPECT_TRUE(watch.Poll());
  EXPECT_FALSE(watch.Poll());
  EXPECT_EQ(windows.titles[kBrowser], u"Browser");
  EXPECT_EQ(windows.titles[kEditor], u"Editor [12:00:00]");  // frozen, not restored
  windows.foreground = kEditor;
  EXPECT_TRUE(watch.Poll());
  EXPECT_EQ(windows.titles[kEditor], u"Editor [12:00:01]");
}

TEST_F(ForegroundWatchTest, NoTickRunsInsideAnotherAndAFailedTickEndsCleanly) {
  windows.foreground = kBrowser;
  duringTick = [this] {
    watch.Tick();
    EXPECT_FALSE(watch.Poll());
    EXPECT_FALSE(watch.TitleChanged(kEditor));
  };
  EXPECT_TRUE(watch.Poll());
  EXPECT_EQ(ticks, 2);

  duringTick = [] { throw Error(status::kFail, u"tick failed"); };
  EXPECT_THROW(watch.Tick(), Error);
  duringTick = nullptr;
  watch.Tick();
  EXPECT_EQ(ticks, 4);
}

TEST_F(ForegroundWatchTest, RetitleOfTheStampedWindowIsAdoptedAtOnceButOurOwnWritesAreNot) {
  EXPECT_FALSE(watch.TitleChanged(kEditor));  // the change was our stamp
  EXPECT_FALSE(watch.TitleChanged(kBrowser));  // not the stamped window
  windows.titles[kEditor] = u"Editor - saved";
  NextSecond();
  EXPECT_TRUE(watch.TitleChanged(kEditor));
  EXPECT_EQ(windows.titles[kEditor], u"Editor - saved [12:00:01]");
  // A window that alters every title written to it gets one such tick until the next other one.
  windows.titles[kEditor] = u"Editor - altered";
  EXPECT_FALSE(watch.TitleChanged(kEditor));
  EXPECT_EQ(ticks, 2);
  watch.Tick();
  windows.titles[kEditor] = u"Editor - again";
  EXPECT_TRUE(watch.TitleChanged(kEditor));
  EXPECT_EQ(ticks, 4);
}

}  // namespace
}  // namespace lartsen
