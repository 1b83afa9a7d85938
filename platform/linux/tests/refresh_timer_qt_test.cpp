// The Linux refresh timer on a real event loop: ticks in step with the clock, periodic otherwise.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "platform/linux/app/refresh_timer_qt.h"
#include "support/testing/fake_clock.h"

namespace lartsen::linux_app {
namespace {

constexpr std::int32_t kTenOClock = 10 * 3600 * 1000;

// Runs the event loop until `done` or a second has passed.
template <typename Done>
bool RunUntil(Done done) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done() && elapsed.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

TEST(RefreshTimerQt, WholeSecondTicksArePlacedAnewFromTheClockAfterEachTick) {
  testing::FakeClock clock;
  clock.Milliseconds = kTenOClock + 500;
  RefreshTimerQt timer(clock);
  int ticks = 0;
  timer.SetTickHandler([&] {
    ++ticks;
    clock.Milliseconds = kTenOClock + 1000 + 7;  // the tick came 4 ms late by the clock
  });
  timer.SetInterval(1000);
  timer.Enable();
  EXPECT_EQ(timer.ArmedDelay(), 503);  // 3 ms after the next second begins

  clock.Milliseconds = kTenOClock + 998;
  timer.Disable();
  timer.Enable();
  ASSERT_TRUE(RunUntil([&] { return ticks == 1; }));
  EXPECT_EQ(timer.ArmedDelay(), 996);  // back in step, not a whole rate after the late tick
}

TEST(RefreshTimerQt, OtherRatesRunFreeAndATickThatDisablesStopsTheTimer) {
  testing::FakeClock clock;
  clock.Milliseconds = kTenOClock + 500;
  RefreshTimerQt timer(clock);
  timer.SetInterval(20);
  int ticks = 0;
  timer.SetTickHandler([&] {
    if (++ticks == 2) timer.Disable();
  });
  timer.Enable();
  EXPECT_EQ(timer.ArmedDelay(), 20);
  ASSERT_TRUE(RunUntil([&] { return ticks == 2; }));
  EXPECT_EQ(timer.ArmedDelay(), -1);
  QCoreApplication::processEvents(QEventLoop::AllEvents, 60);
  EXPECT_EQ(ticks, 2);
}

TEST(RefreshTimerQt, BelowASecondTicksWaitForTheNextSecondWhileOnlyTheClockCanChangeTheStamp) {
  testing::FakeClock clock;
  clock.Milliseconds = kTenOClock + 500;
  RefreshTimerQt timer(clock);
  bool clockOnly = false;
  timer.SetCoastCheck([&] { return clockOnly; });
  int ticks = 0;
  timer.SetTickHandler([&] { ++ticks; });
  timer.SetInterval(20);
  timer.Enable();
  EXPECT_EQ(timer.ArmedDelay(), 20);
  ASSERT_TRUE(RunUntil([&] { return ticks == 1; }));
  EXPECT_EQ(timer.ArmedDelay(), 20);  // asked again after the tick: still at the rate
  clockOnly = true;
  ASSERT_TRUE(RunUntil([&] { return ticks == 2; }));
  EXPECT_EQ(timer.ArmedDelay(), 503);  // the next second's start, not 20 ms
  clockOnly = false;
  timer.Disable();
  timer.Enable();
  EXPECT_EQ(timer.ArmedDelay(), 20);
}

}  // namespace
}  // namespace lartsen::linux_app

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
