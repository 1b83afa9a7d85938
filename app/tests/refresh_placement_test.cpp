// The refresh timer's placement against a fake clock: in step with the seconds, or left alone.
#include "app/refresh_placement.h"

#include <gtest/gtest.h>

#include "support/testing/fake_clock.h"

namespace lartsen {
namespace {

constexpr std::int32_t kNoon = 12 * 3600 * 1000;

class RefreshPlacementTest : public ::testing::Test {
 protected:
  std::int32_t DelayAt(std::int32_t rate, std::int32_t millisecondsOfDay) {
    clock.Milliseconds = millisecondsOfDay;
    placement.SetRate(rate);
    return placement.NextDelay();
  }
  testing::FakeClock clock;
  RefreshPlacement placement{clock};
};

TEST_F(RefreshPlacementTest, NextTickFallsJustAfterTheNextSecond) {
  EXPECT_TRUE((placement.SetRate(1000), placement.PlacesEachTick()));
  EXPECT_EQ(DelayAt(1000, kNoon + 400), 600 + kTickAfterSecondMs);
  // A tick on time waits a whole second; one that the clock saw a moment early, or one that
  // came before the moment in step, still gets the second just beginning.
  EXPECT_EQ(DelayAt(1000, kNoon + kTickAfterSecondMs), 1000);
  EXPECT_EQ(DelayAt(1000, kNoon + 999), 1 + kTickAfterSecondMs);
  EXPECT_EQ(DelayAt(1000, kNoon + 1), kTickAfterSecondMs - 1);
  // Just before midnight the next second is the next day's first.
  EXPECT_EQ(DelayAt(1000, 86399500), 500 + kTickAfterSecondMs);
}

TEST_F(RefreshPlacementTest, WholeSecondRatesFallOnThoseSeconds) {
  EXPECT_EQ(DelayAt(5000, kNoon + 2500), 2500 + kTickAfterSecondMs);      // on :05
  EXPECT_EQ(DelayAt(60000, kNoon + 30000), 30000 + kTickAfterSecondMs);   // the minute's start
  EXPECT_EQ(DelayAt(60000, kNoon + kTickAfterSecondMs), 60000);
}

TEST_F(RefreshPlacementTest, OtherRatesAndAClockThatCannotTellAreLeftAlone) {
  EXPECT_EQ(DelayAt(250, kNoon + 400), 250);
  EXPECT_FALSE(placement.PlacesEachTick());
  EXPECT_EQ(DelayAt(1500, kNoon + 400), 1500);
  // Below the common floor every platform ticks at the floor; the rate itself stays as set.
  EXPECT_EQ(DelayAt(1, kNoon + 400), kShortestTickMs);
  EXPECT_EQ(placement.Rate(), 1);
  EXPECT_EQ(DelayAt(kShortestTickMs + 1, kNoon + 400), kShortestTickMs + 1);
  EXPECT_EQ(clock.Reads, 0);  // a free-running timer reads no clock
  EXPECT_EQ(DelayAt(1000, -1), 1000);
}

}  // namespace
}  // namespace lartsen
