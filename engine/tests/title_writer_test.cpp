// The title writer over a fake window system: stamping, moving, restoring and retitles.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "engine/title_writer.h"
#include "settings/settings.h"
#include "support/error.h"
#include "support/testing/fake_windows.h"
#include "template/tests/title_fakes.h"

namespace lartsen {
namespace {

class TitleWriterTest : public ::testing::Test {
 protected:
  // Each call is followed by the invariant: the window of the call is StampedWindow, and a live
  // window that took the write shows StampedTitle.
  void Apply(WindowHandle w) {
    writer.ApplyTitle(w);
    EXPECT_EQ(writer.StampedWindow, w);
    if (w != 0 && windows.titles.count(w) && !windows.hung.count(w)) {
      EXPECT_EQ(windows.titles[w], writer.StampedTitle);
    }
  }
  // The stamp follows the clock so that consecutive stamps differ.
  void Tick(int seconds) { clock.Moment = 0.5 + seconds / 86400.0; }

  Settings settings{u"hh:nn:ss", u"[%time%]", 1000};
  LocaleInfo locale = testing::TestLocale();
  testing::FakeClock clock;
  testing::FakeMemory memory;
  TitleFormatter formatter{settings.TitlePattern, settings.TimeFormat, locale, clock, memory};
  testing::FakeWindows windows;
  TitleWriter writer{windows, formatter};
};

TEST_F(TitleWriterTest, FirstCallStampsAndRepeatedCallsRefreshOnlyTheStamp) {
  windows.titles[7] = u"Блокнот";
  Tick(0);
  Apply(7);
  EXPECT_EQ(windows.titles[7], u"Блокнот [12:00:00]");
  EXPECT_EQ(writer.OriginalTitle, u"Блокнот");
  // The first call compared handle 0's empty text with the empty StampedTitle and wrote the
  // empty own title to handle 0, which changes nothing.
  ASSERT_EQ(windows.writes.size(), 2u);
  EXPECT_EQ(windows.writes[0], (std::pair<WindowHandle, std::u16string>{0, u""}));
  Tick(1);
  Apply(7);
  Tick(1);
  Apply(7);  // written again even though the text is the same
  EXPECT_EQ(windows.titles[7], u"Блокнот [12:00:01]");
  EXPECT_EQ(writer.OriginalTitle, u"Блокнот");
  EXPECT_EQ(windows.writes.size(), 4u);
}

TEST_F(TitleWriterTest, RetitleBetweenCallsIsAdoptedAsTheOwnTitle) {
  windows.titles[7] = u"a.txt - Editor";
  Apply(7);
  windows.titles[7] = u"b.txt - Editor";
  Tick(5);
  Apply(7);
  EXPECT_EQ(writer.OriginalTitle, u"b.txt - Editor");
  EXPECT_EQ(windows.titles[7], u"b.txt - Editor [12:00:05]");
}

TEST_F(TitleWriterTest, MovingRestoresTheFormerWindowOnlyWhileItShowsOurText) {
  windows.titles = {{1, u"W"}, {2, u"V"}, {3, u"U"}};
  Apply(1);
  Apply(2);
  EXPECT_EQ(windows.titles[1], u"W");
  EXPECT_EQ(windows.titles[2], u"V [12:00:00]");
  EXPECT_EQ(writer.OriginalTitle, u"V");
  // V's application retitles it before the stamp moves on: V keeps its own new title.
  windows.titles[2] = u"V2";
  Apply(3);
  EXPECT_EQ(windows.titles[2], u"V2");
  EXPECT_EQ(windows.titles[3], u"U [12:00:00]");
}

TEST_F(TitleWriterTest, ClosedWindowIsNotRestoredAndTheStampMovesOn) {
  windows.titles = {{1, u"W"}, {2, u"V"}};
  Apply(1);
  windows.titles.erase(1);
  const auto writesBefore = windows.writes.size();
  Apply(2);
  ASSERT_EQ(windows.writes.size(), writesBefore + 1);  // only the stamp of V
  EXPECT_EQ(windows.writes.back().first, 2u);
  // Stamping a window that closed meanwhile: reads empty, the write changes nothing.
  Apply(9);
  EXPECT_EQ(writer.OriginalTitle, u"");
  EXPECT_EQ(windows.titles[2], u"V");
}

TEST_F(TitleWriterTest, EmptyOwnTitleAndEmptyStampKeepTheBlank) {
  windows.titles = {{1, u""}, {2, u"V"}};
  Apply(1);
  EXPECT_EQ(windows.titles[1], u" [12:00:00]");
  settings.TitlePattern = u"";
  Apply(2);
  EXPECT_EQ(windows.titles[2], u"V ");
  EXPECT_EQ(windows.titles[1], u"");
  Apply(2);
  EXPECT_EQ(windows.titles[2], u"V ");
  EXPECT_EQ(writer.OriginalTitle, u"V");
}

TEST_F(TitleWriterTest, CallsWithNoWindowRestoreOnceAndThenChangeNothing) {
  windows.titles = {{1, u"W"}};
  Apply(0);
  Apply(0);
  EXPECT_EQ(windows.titles[1], u"W");
  Apply(1);
  Apply(0);
  EXPECT_EQ(windows.titles[1], u"W");
  EXPECT_EQ(writer.OriginalTitle, u"");
  EXPECT_EQ(writer.StampedTitle, u" [12:00:00]");  // written to handle 0: no window shows it
  windows.titles[1] = u"W by itself";
  Apply(0);
  EXPECT_EQ(windows.titles[1], u"W by itself");
  for (const auto& write : windows.writes) {
    if (write.first != 1) {
      EXPECT_EQ(write.first, 0u);
    }
  }
}

TEST_F(TitleWriterTest, HungWindowThatKeptItsTitleIsNotStampedTwice) {
  windows.titles = {{1, u"W"}, {2, u"V"}};
  Apply(1);
  windows.hung.insert(1);
  Tick(1);
  Apply(1);  // the write gives up: W still shows the stamp of 12:00:00
  EXPECT_EQ(windows.titles[1], u"W [12:00:00]");
  windows.hung.clear();
  Tick(2);
  Apply(1);
  EXPECT_EQ(windows.titles[1], u"W [12:00:02]");
  EXPECT_EQ(writer.OriginalTitle, u"W");
  // A write that gave up and arrives late is still recognised as ours.
  windows.hung.insert(1);
  Tick(3);
  Apply(1);
  windows.hung.clear();
  windows.titles[1] = u"W [12:00:03]";  // delivered when the window woke
  Tick(4);
  Apply(1);
  EXPECT_EQ(windows.titles[1], u"W [12:00:04]");
  // A window that hangs before its first stamp is restored to what it showed.
  windows.hung.insert(2);
  Apply(2);
  windows.hung.clear();
  Apply(1);
  EXPECT_EQ(windows.titles[2], u"V");
}

TEST_F(TitleWriterTest, FailuresEndTheCallAndKeepTheFieldsReached) {
  windows.titles = {{1, u"W"}, {2, u"V"}};
  Apply(1);
  windows.failWrites = true;
  EXPECT_THROW(writer.ApplyTitle(2), Error);  // fails restoring W
  EXPECT_EQ(writer.StampedWindow, 1u);
  EXPECT_EQ(writer.StampedTitle, u"W [12:00:00]");
  windows.failWrites = false;
  memory.FailStatus = true;
  EXPECT_THROW(writer.ApplyTitle(1), Error);  // the template fails: nothing is written
  EXPECT_EQ(windows.titles[1], u"W [12:00:00]");
  memory.FailStatus = false;
  windows.failTitle = true;
  EXPECT_THROW(writer.ApplyTitle(1), Error);
  windows.failTitle = false;
  Apply(2);
  EXPECT_EQ(windows.titles[1], u"W");
}

}  // namespace
}  // namespace lartsen
