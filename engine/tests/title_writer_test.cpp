// The title writer over a fake window system: stamping, moving, restoring and retitles.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "engine/stamp_journal.h"
#include "engine/title_writer.h"
#include "settings/settings.h"
#include "support/error.h"
#include "support/text.h"
#include "support/testing/fake_windows.h"
#include "template/testing/title_fakes.h"

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
  // Nothing was stamped before: no restore, and no write to handle 0.
  ASSERT_EQ(windows.writes.size(), 1u);
  Tick(1);
  Apply(7);
  Tick(1);
  Apply(7);  // the same text: not written again
  EXPECT_EQ(windows.titles[7], u"Блокнот [12:00:01]");
  EXPECT_EQ(writer.OriginalTitle, u"Блокнот");
  EXPECT_EQ(windows.writes.size(), 2u);
}

TEST_F(TitleWriterTest, AtOneCallAMillisecondAWindowGetsOneWritePerDistinctStamp) {
  // Three seconds of calls at 1 ms, starting late in a second: the stamps 12:00:00 to 12:00:03.
  windows.titles[7] = u"Блокнот";
  std::set<std::u16string> shown;
  for (int ms = 900; ms < 3900; ++ms) {
    clock.Moment = 0.5 + ms / 86400000.0;
    Apply(7);
    shown.insert(windows.titles[7]);
  }
  std::size_t writesTo7 = 0;
  for (const auto& write : windows.writes) writesTo7 += write.first == 7 ? 1 : 0;
  EXPECT_EQ(shown.size(), 4u);
  EXPECT_EQ(writesTo7, shown.size());
  // An application that retitles its window meanwhile is stamped at once, and once.
  Tick(3);
  windows.titles[7] = u"Блокнот*";
  Apply(7);
  Apply(7);
  EXPECT_EQ(windows.titles[7], u"Блокнот* [12:00:03]");
  EXPECT_EQ(windows.writes.size(), writesTo7 + 1);
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
  EXPECT_EQ(writer.StampedTitle, u"");
  windows.titles[1] = u"W by itself";
  Apply(0);
  EXPECT_EQ(windows.titles[1], u"W by itself");
  for (const auto& write : windows.writes) EXPECT_EQ(write.first, 1u);
  windows.titles[1] = u"W";
  Apply(1);
  settings.TitlePattern = u"%memoryloadpercent%";
  memory.FailStatus = true;  // no stamp is made for no window: leaving works without one
  EXPECT_NO_THROW(writer.ApplyTitle(0));
  EXPECT_EQ(windows.titles[1], u"W");
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
  settings.TitlePattern = u"[%time%] %memoryloadpercent%";
  memory.FailStatus = true;
  EXPECT_THROW(writer.ApplyTitle(1), Error);  // the template fails: nothing is written
  EXPECT_EQ(windows.titles[1], u"W [12:00:00]");
  memory.FailStatus = false;
  settings.TitlePattern = u"[%time%]";
  windows.failTitle = true;
  EXPECT_THROW(writer.ApplyTitle(1), Error);
  windows.failTitle = false;
  Apply(2);
  EXPECT_EQ(windows.titles[1], u"W");
}

// The old window's title used to be taken as the new one's before a failing template ended the
// call, so that the next call wrote one window's title into the other.
TEST_F(TitleWriterTest, FailingTemplateWhileTheStampMovesMixesNoWindows) {
  windows.titles = {{1, u""}, {2, u"V"}};
  Apply(1);
  settings.TitlePattern = u"[%time%] %memoryloadpercent%";
  memory.FailStatus = true;
  EXPECT_THROW(writer.ApplyTitle(2), Error);
  EXPECT_EQ(writer.StampedWindow, 1u);
  EXPECT_EQ(writer.OriginalTitle, u"");
  EXPECT_EQ(windows.titles[2], u"V");
  memory.FailStatus = false;
  settings.TitlePattern = u"[%time%]";
  Apply(1);
  Apply(2);
  EXPECT_EQ(windows.titles[1], u"");
  EXPECT_EQ(windows.titles[2], u"V [12:00:00]");
}

}  // namespace
}  // namespace lartsen

namespace lartsen {
namespace {

// Records and clears are counted; a record is checked against the window when it is made.
struct FakeJournal : StampJournalPort {
  StampRecords Stored;
  int Records = 0, Clears = 0;
  bool Fail = false;
  std::function<void(const StampRecords&)> OnRecord = [](const StampRecords&) {};
  void Record(const StampRecords& records) override {
    if (Fail) throw Error(status::kFail, u"store failed");
    ++Records;
    OnRecord(records);
    Stored = records;
  }
  void Clear() override {
    if (Fail) throw Error(status::kFail, u"store failed");
    ++Clears;
    Stored.clear();
  }
  StampRecords Read() override { return Stored; }
};

class StampJournalTest : public TitleWriterTest {
 protected:
  FakeJournal journal;
  TitleWriter journaled{windows, formatter, &journal};
};

TEST_F(StampJournalTest, WrittenWhenTheStampMovesOrTheOwnTitleChangesNeverOnARefresh) {
  windows.titles = {{1, u"W"}, {2, u"V"}};
  journaled.ApplyTitle(0);  // nothing stamped yet: nothing to record
  EXPECT_EQ(journal.Records + journal.Clears, 0);
  // Recorded before the write: the window does not show the stamp yet.
  journal.OnRecord = [&](const StampRecords& r) { EXPECT_EQ(windows.titles[r[0].Window], r[0].OwnTitle); };
  journaled.ApplyTitle(1);
  EXPECT_EQ(journal.Stored, (StampRecords{{1, 100, u"W", u"W [12:00:00]"}}));
  for (int second = 1; second <= 5; ++second) {
    Tick(second);
    journaled.ApplyTitle(1);
  }
  EXPECT_EQ(journal.Records, 1) << "a tick that only refreshes the stamp wrote the journal";
  windows.titles[1] = u"W renamed";
  journaled.ApplyTitle(1);
  EXPECT_EQ(journal.Stored, (StampRecords{{1, 100, u"W renamed", u"W renamed [12:00:05]"}}));
  journaled.ApplyTitle(2);
  EXPECT_EQ(journal.Records, 3);
  EXPECT_EQ(journal.Stored.at(0).Window, 2u);
  // The stamp leaves every window: cleared once, after the restore.
  journal.OnRecord = [](const StampRecords&) {};
  journaled.ApplyTitle(0);
  journaled.ApplyTitle(0);
  EXPECT_EQ(windows.titles[2], u"V");
  EXPECT_EQ(journal.Clears, 1);
  EXPECT_TRUE(journal.Stored.empty());
}

TEST_F(StampJournalTest, ATitleBeyondItsBoundGetsNoStampAndTheStampedOneIsGivenBack) {
  windows.titles = {{1, u"W"}, {2, std::u16string(8190, u'x')}};
  journaled.ApplyTitle(1);
  auto writesTo = [&](WindowHandle w) {
    return std::count_if(windows.writes.begin(), windows.writes.end(),
                         [w](const auto& write) { return write.first == w; });
  };
  settings.TitlePattern = std::u16string(4097, u'x');  // the stamp passes its bound
  journaled.ApplyTitle(1);
  EXPECT_EQ(windows.titles[1], u"W");
  EXPECT_EQ(journaled.StampedWindow, 0u);
  EXPECT_TRUE(journal.Stored.empty());
  journaled.ApplyTitle(1);  // still too long: nothing more is written, no error
  EXPECT_EQ(writesTo(1), 2);
  // A stamp that fits, on a title that would pass the bound with it: that window is not touched.
  settings.TitlePattern = u"[%time%]";
  journaled.ApplyTitle(2);
  EXPECT_EQ(writesTo(2), 0);
  journaled.ApplyTitle(1);
  EXPECT_EQ(windows.titles[1], u"W [12:00:00]");
  EXPECT_EQ(journal.Clears, 1);
}

TEST_F(StampJournalTest, FailingStoreDoesNotStopTheStampingAndIsTriedAgain) {
  windows.titles = {{1, u"W"}};
  journal.Fail = true;
  journaled.ApplyTitle(1);
  EXPECT_EQ(windows.titles[1], u"W [12:00:00]");
  journal.Fail = false;
  Tick(1);
  journaled.ApplyTitle(1);
  EXPECT_EQ(journal.Stored, (StampRecords{{1, 100, u"W", u"W [12:00:01]"}}));
  journaled.ApplyTitle(1);
  EXPECT_EQ(journal.Records, 1);
}

// A hung window refuses its restore: it stays owed, in the journal too, until it wakes.
TEST_F(StampJournalTest, RefusedRestoreIsRetriedUntilTheWindowTakesItAndSurvivesAnExit) {
  windows.titles = {{1, u"Doc"}, {2, u"V"}};
  journaled.ApplyTitle(1);
  windows.hung.insert(1);
  Tick(40);
  journaled.ApplyTitle(2);
  journaled.ApplyTitle(0);  // the user leaves for a window that is not stamped
  EXPECT_EQ(windows.titles[1], u"Doc [12:00:00]");
  EXPECT_EQ(journal.Stored, (StampRecords{{1, 100, u"Doc", u"Doc [12:00:00]"}}));
  // Back to the hung window: its stamp is ours, its own title is still "Doc".
  journaled.ApplyTitle(1);
  EXPECT_EQ(journaled.OriginalTitle, u"Doc");
  journaled.ApplyTitle(2);
  // Ending now makes one last try, which waits in the window's queue until it wakes; the
  // journal keeps the restore for the next start, should it not arrive.
  journaled.ApplyTitle(0);
  journaled.FinishRestores();
  EXPECT_EQ(windows.queued, (decltype(windows.queued){{1, u"Doc"}}));
  EXPECT_EQ(windows.titles[1], u"Doc [12:00:00]");
  ASSERT_EQ(journal.Stored.size(), 1u);
  windows.hung.clear();
  TitleWriter next{windows, formatter, &journal};
  next.RestoreLeftStamp();
  EXPECT_EQ(windows.titles[1], u"Doc");
  EXPECT_TRUE(journal.Stored.empty());

  // Woken while the program runs on: the next call gives the title back.
  journaled.ApplyTitle(1);
  windows.hung.insert(1);
  journaled.ApplyTitle(2);
  windows.hung.clear();
  windows.titles[1] = u"Doc [11:59:58]";  // an older stamp that waited in its queue
  journaled.ApplyTitle(2);
  EXPECT_EQ(windows.titles[1], u"Doc");
  EXPECT_EQ(journal.Stored, (StampRecords{{2, 200, u"V", u"V [12:00:40]"}}));
  EXPECT_TRUE(journaled.Pending().empty());
}

TEST_F(StampJournalTest, RefusedRestoreEndsWhenTheWindowIsRetitledOrGone) {
  windows.titles = {{1, u"W"}, {2, u"V"}, {3, u"U"}};
  journaled.ApplyTitle(1);
  windows.hung.insert(1);
  journaled.ApplyTitle(2);
  windows.hung.insert(2);
  journaled.ApplyTitle(3);
  EXPECT_EQ(journal.Stored.size(), 3u);
  windows.titles[1] = u"W, saved";  // its application's own title: never overwritten
  windows.titles.erase(2);          // closed
  windows.hung.clear();
  windows.writes.clear();
  journaled.ApplyTitle(3);
  EXPECT_EQ(windows.titles[1], u"W, saved");
  EXPECT_TRUE(windows.writes.empty());  // and U shows its stamp already
  EXPECT_TRUE(journaled.Pending().empty());
  EXPECT_EQ(journal.Stored.size(), 1u);
}

// A stamp a killed run left is recognised when its numbers and words have moved on since.
TEST_F(StampJournalTest, RestoreAtStartKnowsLaterExpansionsOfTheTemplate) {
  locale.MonthNames[10] = u"ноябрь";
  locale.MonthNames[11] = u"декабрь";
  for (const std::u16string format : {u"h:nn AM/PM", u"d mmmm"}) {
    settings.TimeFormat = format;
    clock.Moment = 45991.4;  // 30 November 2025, 9:36 AM
    windows.titles = {{1, u"Doc"}};
    journaled.ApplyTitle(1);
    const std::u16string left = windows.titles[1];
    clock.Moment = 45992.7;  // past noon, and in the next month
    TitleWriter next{windows, formatter, &journal};
    next.RestoreLeftStamp();
    EXPECT_EQ(windows.titles[1], u"Doc") << ToUtf8(left);
    journaled.ApplyTitle(0);
  }
}

TEST_F(StampJournalTest, RestoreAtStartGivesBackOnlyAPlainlyStampedWindowAndAlwaysClears) {
  const StampRecord left{1, 100, u"W 2", u"W 2 [12:00:00]"};
  settings.TimeFormat = u"ddd";  // the template as it expands now: "[Пн]"
  locale.AbbreviatedDayNames.fill(u"Пн");
  struct Case {
    std::u16string shown;
    bool restored;
  } cases[] = {
      {u"W 2 [12:00:00]", true},   // the text written last
      {u"W 2 [12:07:31]", true},   // refreshed after the record
      {u"W 2 [9:05:01]", true},    // runs of digits may change length
      {u"W 2 [Пн]", true},         // the template as it expands now
      {u"W 2", false},             // retitled by its application, or restored already
      {u"W 2 [draft 2]", false},
      {u"W 2  [12:00:00]", false},
      {u"W 23 [12:00:00]", false},
      {u"Other [12:00:00]", false},
  };
  for (const Case& c : cases) {
    windows.titles = {{1, c.shown}};
    journal.Stored = {left};
    TitleWriter next{windows, formatter, &journal};
    next.RestoreLeftStamp();
    EXPECT_EQ(windows.titles[1], c.restored ? u"W 2" : c.shown) << ToUtf8(c.shown);
    EXPECT_TRUE(journal.Stored.empty());
  }
  // Another process's window under the same handle, and a closed window: no write at all.
  for (std::uint32_t process : {7u, 100u}) {
    windows.titles = process == 100 ? decltype(windows.titles){} : decltype(windows.titles){{1, u"W 2 [12:00:00]"}};
    journal.Stored = {StampRecord{1, process, u"W 2", u"W 2 [12:00:00]"}};
    windows.writes.clear();
    TitleWriter next{windows, formatter, &journal};
    next.RestoreLeftStamp();
    EXPECT_TRUE(windows.writes.empty());
    EXPECT_TRUE(journal.Stored.empty());
  }
  // Still hung at the start: owed, kept in the journal, given back once it wakes.
  windows.titles = {{1, u"W 2 [12:00:00]"}, {2, u"V"}};
  windows.hung.insert(1);
  journal.Stored = {left};
  journaled.RestoreLeftStamp();
  EXPECT_EQ(journal.Stored, StampRecords{left});
  windows.hung.clear();
  journaled.ApplyTitle(2);
  EXPECT_EQ(windows.titles[1], u"W 2");
  EXPECT_EQ(journal.Stored.size(), 1u);
}

TEST(StampShapeTest, NumbersAndWordsMayChangeTheRestMayNot) {
  const StampRecord record{1, 1, u"Doc", u"Doc [1,5 КБ свободно; 11:59 AM]"};
  EXPECT_TRUE(ShowsStampOf(u"Doc [12 МБ свободно; 1:00 PM]", record, u""));
  EXPECT_TRUE(ShowsStampOf(u"Doc [1 234,5 ГБ свободно; 1:00 PM]", record, u""));
  EXPECT_FALSE(ShowsStampOf(u"Doc [12 МБ занято: 1:00 PM]", record, u""));
  EXPECT_FALSE(ShowsStampOf(u"Doc [МБ свободно; 1:00 PM]", record, u""));
  EXPECT_FALSE(ShowsStampOf(u"Doc [12 МБ свободно; 1:00 PM]!", record, u""));
}

// One text value in the settings store, as the program keeps the journal.
struct OneValueStore : SettingsStorePort {
  std::map<std::u16string, SettingValue>& values;
  explicit OneValueStore(std::map<std::u16string, SettingValue>& v) : values(v) {}
  SettingValue ReadSetting(std::u16string_view, std::u16string_view key, SettingKind,
                           const SettingValue& defaultValue) override {
    auto it = values.find(std::u16string(key));
    return it == values.end() ? defaultValue : it->second;
  }
  void WriteSetting(std::u16string_view section, std::u16string_view key, SettingKind kind,
                    const SettingValue& value) override {
    EXPECT_EQ(section, u"");
    EXPECT_EQ(kind, SettingKind::Text);
    values[std::u16string(key)] = value;
  }
};

TEST(StoredStampJournalTest, KeepsTheRecordsInOneValueAndRejectsAnythingElse) {
  std::map<std::u16string, SettingValue> values;
  StoredStampJournal stored([&] { return std::make_unique<OneValueStore>(values); });
  EXPECT_TRUE(stored.Read().empty());
  const StampRecords records{{0x1F0042, 4294967295u, u"12 3 ящик ", u"12 3 ящик  [1 2]"}, {5, 0, u"", u" x"}};
  stored.Record(records);
  EXPECT_EQ(values.size(), 1u);
  EXPECT_EQ(std::get<std::u16string>(values[u"Stamped Window"]),
            u"2031682 4294967295 10 16 12 3 ящик 12 3 ящик  [1 2]5 0 0 2  x");
  EXPECT_EQ(stored.Read(), records);
  stored.Clear();
  EXPECT_EQ(std::get<std::u16string>(values[u"Stamped Window"]), u"");
  EXPECT_TRUE(stored.Read().empty());
  for (std::u16string_view bad : {u"0 1 1 1 WW", u"5 1 9 0 short", u"5 5 5 0   x", u"5 1 x", u"5 4294967296 0 0 ",
                                  u"5  1 0 0 a", u"99999999999999999999999 1 0 0 a", u"5 1 1 0", u"5 1 0 1 ab"}) {
    EXPECT_FALSE(DecodeStampRecords(bad)) << ToUtf8(bad);
  }
  values[u"Stamped Window"] = std::int32_t{5};
  EXPECT_TRUE(stored.Read().empty());
}

}  // namespace
}  // namespace lartsen
