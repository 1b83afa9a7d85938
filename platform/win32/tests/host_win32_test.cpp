// Host tests: the real version's family, and each family's answers for given versions.
#include "platform/win32/host_win32.h"

#include <gtest/gtest.h>

namespace lartsen::win32 {
namespace {

struct Answers {
  bool win9x, nt, win95, nt40, nt351;
  friend bool operator==(const Answers&, const Answers&) = default;
};

Answers Ask(HostVersion version) {
  HostWin32 host(version);
  return {host.IsHostWin9x(), host.IsHostWinNT(), host.IsHostWin95(), host.IsHostWinNT40(),
          host.IsHostWinNT351()};
}

TEST(HostWin32, RealHostIsOfTheNtFamilyAndNoneOfTheOldVersions) {
  const HostVersion real = ReadHostVersion();
  EXPECT_TRUE(real.nt);
  EXPECT_GE(real.major, 5u);
  EXPECT_EQ(Ask(real), (Answers{false, true, false, false, false}));
}

TEST(HostWin32, EachVersionAnswersAsItsFamily) {
  EXPECT_EQ(Ask({false, 4, 0}), (Answers{true, false, true, false, false}));    // 95
  EXPECT_EQ(Ask({false, 4, 10}), (Answers{true, false, false, false, false}));  // 98
  EXPECT_EQ(Ask({false, 4, 90}), (Answers{true, false, false, false, false}));  // Me
  EXPECT_EQ(Ask({true, 3, 51}), (Answers{false, true, false, false, true}));
  EXPECT_EQ(Ask({true, 4, 0}), (Answers{false, true, false, true, false}));
  EXPECT_EQ(Ask({true, 5, 0}), (Answers{false, true, false, false, false}));
  EXPECT_EQ(Ask({true, 10, 0}), (Answers{false, true, false, false, false}));
}

}  // namespace
}  // namespace lartsen::win32
