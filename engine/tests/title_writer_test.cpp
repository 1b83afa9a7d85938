// The title writer over a fake window system: stamping, moving, restoring and retitles.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "engine/title_writer.h"
#include "settings/settings.h"
#include "support/error.h"
#include "template/tests/title_fakes.h"

namespace lartsen {
namespace {

// Windows are titles by handle; a missing handle is a closed window; handle 0 is no window.
class FakeWindows : public WindowPort {
 public:
  WindowHandle GetForegroundWindow() override { return 0; }
  std::u16string GetWindowText(WindowHandle w) override {
    ++Reads;
    if (FailReads) throw Error(status::kFail, u"read failed");
    const auto it = Titles.find(w);
    return it == Titles.end() ? std::u16string() : it->second;
  }
  void SetWindowText(WindowHandle w, std::u16string_view text) override { TrySetWindowText(w, text); }
  bool TrySetWindowText(WindowHandle w, std::u16string_view text) override {
    if (FailWrites) throw Error(status::kFail, u"write failed");
    Writes.push_back({w, std::u16string(text)});
    if (Hung.count(w)) return false;
    if (w != 0 && Titles.count(w)) Titles[w] = std::u16string(text);
    return true;
  }
  std::u16string GetWindowClassName(WindowHandle) override { return {}; }

  std::map<WindowHandle, std::u16string> Titles;
  std::set<WindowHandle> Hung;
  std::vector<std::pair<WindowHandle, std::u16string>> Writes;
  int Reads = 0;
  bool FailReads = false;
  bool FailWrites = false;
};

class TitleWriterTest : public ::testing::Test {
 protected:
  // Each call is followed by the invariant: the window of the call is StampedWindow, and a live
  // window that took the write shows StampedTitle.
  void Apply(WindowHandle w) {
    writer.ApplyTitle(w);
    EXPECT_EQ(writer.StampedWindow, w);
    if (w != 0 && windows.Titles.count(w) && !windows.Hung.count(w)) {
      EXPECT_EQ(windows.Titles[w], writer.StampedTitle);
    }
  }
  // The stamp follows the clock so that consecutive stamps differ.
  void Tick(int seconds) { clock.Moment = 0.5 + seconds / 86400.0; }

  Settings settings{u"hh:nn:ss", u"[%time%]", 1000};
  LocaleInfo locale = testing::TestLocale();
  testing::FakeClock clock;
  testing::FakeMemory memory;
  TitleFormatter formatter{settings.TitlePattern, settings.TimeFormat, locale, clock, memory};
  FakeWindows windows;
  TitleWriter writer{windows, formatter};
};

TEST_F(TitleWriterTest, FirstCallStampsAndRepeatedCallsRefreshOnlyTheStamp) {
  windows.Titles[7] = u"Блокнот";
  Tick(0);
  Apply(7);
  EXPECT_EQ(windows.Titles[7], u"Блокнот [12:00:00]");
  EXPECT_EQ(writer.OriginalTitle, u"Блокнот");
  // The first call compared handle 0's empty text with the empty StampedTitle and wrote the
  // empty own title to handle 0, which changes nothing.
  ASSERT_EQ(windows.Writes.size(), 2u);
  EXPECT_EQ(windows.Writes[0], (std::pair<WindowHandle, std::u16string>{0, u""}));
  Tick(1);
  Apply(7);
  Tick(1);
  Apply(7);  // written again even though the text is the same
  EXPECT_EQ(windows.Titles[7], u"Блокнот [12:00:01]");
  EXPECT_EQ(writer.OriginalTitle, u"Блокнот");
  EXPECT_EQ(windows.Writes.size(), 4u);
}

TEST_F(TitleWriterTest, RetitleBetweenCallsIsAdoptedAsTheOwnTitle) {
  windows.Titles[7] = u"a.txt - Editor";
  Apply(7);
  windows.Titles[7] = u"b.txt - Editor";
  Tick(5);
  Apply(7);
  EXPECT_EQ(writer.OriginalTitle, u"b.txt - Editor");
  EXPECT_EQ(windows.Titles[7], u"b.txt - Editor [12:00:05]");
}

TEST_F(TitleWriterTest, MovingRestoresTheFormerWindowOnlyWhileItShowsOurText) {
  windows.Titles = {{1, u"W"}, {2, u"V"}, {3, u"U"}};
  Apply(1);
  Apply(2);
  EXPECT_EQ(windows.Titles[1], u"W");
  EXPECT_EQ(windows.Titles[2], u"V [12:00:00]");
  EXPECT_EQ(writer.OriginalTitle, u"V");
  // V's application retitles it before the stamp moves on: V keeps its own new title.
  windows.Titles[2] = u"V2";
  Apply(3);
  EXPECT_EQ(windows.Titles[2], u"V2");
  EXPECT_EQ(windows.Titles[3], u"U [12:00:00]");
}

TEST_F(TitleWriterTest, ClosedWindowIsNotRestoredAndTheStampMovesOn) {
  windows.Titles = {{1, u"W"}, {2, u"V"}};
  Apply(1);
  windows.Titles.erase(1);
  const auto writesBefore = windows.Writes.size();
  Apply(2);
  ASSERT_EQ(windows.Writes.size(), writesBefore + 1);  // only the stamp of V
  EXPECT_EQ(windows.Writes.back().first, 2u);
  // Stamping a window that closed meanwhile: reads empty, the write changes nothing.
  Apply(9);
  EXPECT_EQ(writer.OriginalTitle, u"");
  EXPECT_EQ(windows.Titles[2], u"V");
}

TEST_F(TitleWriterTest, EmptyOwnTitleAndEmptyStampKeepTheBlank) {
  windows.Titles = {{1, u""}, {2, u"V"}};
  Apply(1);
  EXPECT_EQ(windows.Titles[1], u" [12:00:00]");
  settings.TitlePattern = u"";
  Apply(2);
  EXPECT_EQ(windows.Titles[2], u"V ");
  EXPECT_EQ(windows.Titles[1], u"");
  Apply(2);
  EXPECT_EQ(windows.Titles[2], u"V ");
  EXPECT_EQ(writer.OriginalTitle, u"V");
}

TEST_F(TitleWriterTest, CallsWithNoWindowRestoreOnceAndThenChangeNothing) {
  windows.Titles = {{1, u"W"}};
  Apply(0);
  Apply(0);
  EXPECT_EQ(windows.Titles[1], u"W");
  Apply(1);
  Apply(0);
  EXPECT_EQ(windows.Titles[1], u"W");
  EXPECT_EQ(writer.OriginalTitle, u"");
  EXPECT_EQ(writer.StampedTitle, u" [12:00:00]");  // written to handle 0: no window shows it
  windows.Titles[1] = u"W by itself";
  Apply(0);
  EXPECT_EQ(windows.Titles[1], u"W by itself");
  for (const auto& write : windows.Writes) {
    if (write.first != 1) {
      EXPECT_EQ(write.first, 0u);
    }
  }
}

TEST_F(TitleWriterTest, HungWindowThatKeptItsTitleIsNotStampedTwice) {
  windows.Titles = {{1, u"W"}, {2, u"V"}};
  Apply(1);
  windows.Hung.insert(1);
  Tick(1);
  Apply(1);  // the write gives up: W still shows the stamp of 12:00:00
  EXPECT_EQ(windows.Titles[1], u"W [12:00:00]");
  windows.Hung.clear();
  Tick(2);
  Apply(1);
  EXPECT_EQ(windows.Titles[1], u"W [12:00:02]");
  EXPECT_EQ(writer.OriginalTitle, u"W");
  // A write that gave up and arrives late is still recognised as ours.
  windows.Hung.insert(1);
  Tick(3);
  Apply(1);
  windows.Hung.clear();
  windows.Titles[1] = u"W [12:00:03]";  // delivered when the window woke
  Tick(4);
  Apply(1);
  EXPECT_EQ(windows.Titles[1], u"W [12:00:04]");
  // A window that hangs before its first stamp is restored to what it showed.
  windows.Hung.insert(2);
  Apply(2);
  windows.Hung.clear();
  Apply(1);
  EXPECT_EQ(windows.Titles[2], u"V");
}

TEST_F(TitleWriterTest, FailuresEndTheCallAndKeepTheFieldsReached) {
  windows.Titles = {{1, u"W"}, {2, u"V"}};
  Apply(1);
  windows.FailWrites = true;
  EXPECT_THROW(writer.ApplyTitle(2), Error);  // fails restoring W
  EXPECT_EQ(writer.StampedWindow, 1u);
  EXPECT_EQ(writer.StampedTitle, u"W [12:00:00]");
  windows.FailWrites = false;
  memory.FailStatus = true;
  EXPECT_THROW(writer.ApplyTitle(1), Error);  // the template fails: nothing is written
  EXPECT_EQ(windows.Titles[1], u"W [12:00:00]");
  memory.FailStatus = false;
  windows.FailReads = true;
  EXPECT_THROW(writer.ApplyTitle(1), Error);
  windows.FailReads = false;
  Apply(2);
  EXPECT_EQ(windows.Titles[1], u"W");
}

}  // namespace
}  // namespace lartsen
