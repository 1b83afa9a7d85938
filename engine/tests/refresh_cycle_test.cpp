// One tick end to end on fakes: which facts are fetched, which rule ends the search, what the
// title writer receives.
#include "engine/refresh_cycle.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "support/testing/fake_windows.h"
#include "support/error.h"

namespace lartsen {
namespace {

// Reads the foreground window as the real guard does and hands it back.
class FakeGuard : public FullScreenQuery {
 public:
  explicit FakeGuard(testing::FakeWindows& windows) : windows_(windows) {}
  FullScreenCheck IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) override {
    ++calls;
    EXPECT_EQ(window, 0u);
    EXPECT_EQ(monitorWindow, 0u);
    window = windows_.GetForegroundWindow();
    if (afterReading) afterReading();
    return {window, window, fullScreen};
  }
  bool fullScreen = false;
  int calls = 0;
  std::function<void()> afterReading;  // what happens on the desktop right after the reading

 private:
  testing::FakeWindows& windows_;
};

class FakeProcesses : public ProcessPathPort {
 public:
  std::u16string GetWindowProcessPath(WindowHandle window, std::uint32_t& ProcessId) override {
    ++calls;
    EXPECT_EQ(ProcessId, 0u);
    if (fail) throw Error(status::kFail, u"process");
    ProcessId = 4242;
    auto it = names.find(window);
    return it == names.end() ? std::u16string() : it->second;
  }
  std::map<WindowHandle, std::u16string> names;
  bool fail = false;
  int calls = 0;
};

class CountingOrder : public CharacterOrder {
 public:
  int Compare(char16_t a, char16_t b) const override {
    ++calls;
    return PortableCharacterOrder().Compare(a, b);
  }
  mutable int calls = 0;
};

constexpr WindowHandle kNotepad = 500;

class RefreshCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windows.foreground = kNotepad;
    windows.classes[kNotepad] = u"Notepad";
    windows.titles[kNotepad] = u"Безымянный — Блокнот";
    processes.names[kNotepad] = u"notepad.exe";
  }
  // Loads rules the way the rules loader does: a column counts as used when some cell in it
  // is not a lone "*".
  void Load(std::vector<ConditionRow> rows) {
    table.Conditions = std::move(rows);
    table.ConditionColumnsUsed = {};
    for (const auto& row : table.Conditions)
      for (std::size_t c = 0; c < 3; ++c)
        if (row[c] != u"*") table.ConditionColumnsUsed[c] = true;
    table.ConditionsLoaded = true;
  }
  int FactsFetched() const { return windows.classCalls + windows.titleCalls + processes.calls; }

  testing::FakeWindows windows;
  FakeGuard guard{windows};
  FakeProcesses processes;
  ConditionsTable table;
  std::vector<WindowHandle> applied;
  RefreshCycle cycle{guard,
                     windows,
                     processes,
                     table,
                     PortableCharacterOrder(),
                     [this](WindowHandle w) { applied.push_back(w); }};
};

TEST_F(RefreshCycleTest, BeforeRulesAreLoadedNoWindowIsChosenAndNoFactFetched) {
  cycle.Tick();
  cycle.Tick();
  EXPECT_EQ(applied, (std::vector<WindowHandle>{0, 0}));
  EXPECT_EQ(FactsFetched(), 0);
  EXPECT_EQ(guard.calls, 2);
}

TEST_F(RefreshCycleTest, FullScreenEndsTheTickBeforeAnything) {
  Load({{u"*", u"*", u"*"}});
  guard.fullScreen = true;
  cycle.Tick();
  EXPECT_TRUE(applied.empty());
  EXPECT_EQ(FactsFetched(), 0);
}

TEST_F(RefreshCycleTest, TheProgramsOwnWindowInTheForegroundLeavesEveryTitleAlone) {
  Load({{u"Game", u"*", u"*"}});
  constexpr WindowHandle kOwn = 77;
  cycle.SetOwnWindow(kOwn);
  cycle.Tick();
  windows.foreground = kOwn;  // the tray menu is open
  cycle.Tick();
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{kNotepad});  // neither restored nor stamped
  windows.foreground = kNotepad;
  cycle.Tick();
  EXPECT_EQ(applied, (std::vector<WindowHandle>{kNotepad, kNotepad}));
}

TEST_F(RefreshCycleTest, TheWindowTheGuardExaminedIsTheOneJudgedAndStamped) {
  Load({{u"Game", u"*", u"*"}});
  constexpr WindowHandle kGame = 900;
  windows.classes[kGame] = u"Game";
  // A game comes to the front just after the guard looked at Notepad: Notepad is still the
  // window this tick is about, and the foreground is read only once.
  guard.afterReading = [this] { windows.foreground = kGame; };
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{kNotepad});
  EXPECT_EQ(windows.foregroundCalls, 1);
  EXPECT_EQ(windows.classCalls, 1);
}

TEST_F(RefreshCycleTest, AllAsteriskRuleMatchesWithoutFetchingAnyFact) {
  Load({{u"*", u"*", u"*"}});
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{0});
  EXPECT_EQ(FactsFetched(), 0);
}

TEST_F(RefreshCycleTest, WindowMatchingNoRuleIsStamped) {
  Load({{u"Edit", u"*", u"*"}, {u"*", u"*Word", u"*"}, {u"*", u"*", u"calc.exe"}});
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{kNotepad});
  EXPECT_EQ(windows.classCalls, 1);
  EXPECT_EQ(windows.titleCalls, 1);
  EXPECT_EQ(processes.calls, 1);
}

TEST_F(RefreshCycleTest, RuleMatchesOnlyWhenEveryConstrainedCellMatches) {
  Load({{u"notepad", u"*Word*", u"*"}, {u"NOTEPAD", u"*", u"*.EXE"}});
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{0});

  processes.names[kNotepad] = u"notepad.com";
  cycle.Tick();
  EXPECT_EQ(applied.back(), kNotepad);
}

TEST_F(RefreshCycleTest, OnlyALoneAsteriskIsTheShortcut) {
  // "**" is a pattern: it goes to the comparison and matches any text, also an empty one.
  Load({{u"**", u"*", u"*"}});
  windows.classes.erase(kNotepad);
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{0});
  EXPECT_EQ(windows.classCalls, 1);
  EXPECT_EQ(windows.titleCalls + processes.calls, 0);
}

TEST_F(RefreshCycleTest, UnusedColumnIsNeitherFetchedNorCompared) {
  // A hand-made table: the title cell would not match, but its column is not in use.
  table.Conditions = {{u"Notepad", u"no such title", u"*"}};
  table.ConditionColumnsUsed = {true, false, false};
  table.ConditionsLoaded = true;
  cycle.Tick();
  EXPECT_EQ(applied, std::vector<WindowHandle>{0});
  EXPECT_EQ(windows.titleCalls, 0);
  EXPECT_EQ(processes.calls, 0);
}

TEST_F(RefreshCycleTest, FirstMatchingRuleEndsTheSearch) {
  // Only a bracket range consults the character order, so its calls show which rules were tried.
  CountingOrder order;
  RefreshCycle counted{guard, windows, processes, table, order,
                       [this](WindowHandle w) { applied.push_back(w); }};
  Load({{u"[A-Z]otepad", u"*", u"*"}, {u"[M-O]*", u"*", u"*"}});
  counted.Tick();
  const int firstRuleOnly = order.calls;
  EXPECT_GT(firstRuleOnly, 0);

  Load({{u"Notepad", u"*", u"*"}, {u"[M-O]*", u"*", u"*"}});
  order.calls = 0;
  counted.Tick();
  EXPECT_EQ(order.calls, 0);
  EXPECT_EQ(applied, (std::vector<WindowHandle>{0, 0}));

  // A rule that fails its first column is left there: its later columns are not compared.
  Load({{u"Edit", u"[A-Z]*", u"*"}});
  counted.Tick();
  EXPECT_EQ(order.calls, 0);
  EXPECT_EQ(applied.back(), kNotepad);
}

TEST_F(RefreshCycleTest, FactsAreFetchedForNoForegroundWindowToo) {
  windows.foreground = 0;
  Load({{u"Shell_TrayWnd", u"*", u"*"}});
  cycle.Tick();
  EXPECT_EQ(windows.classCalls, 1);
  EXPECT_EQ(applied, std::vector<WindowHandle>{0});
}

TEST_F(RefreshCycleTest, FailingFactEndsTheTickBeforeTheTitleIsWritten) {
  Load({{u"*", u"*Word", u"*"}, {u"*", u"*", u"calc.exe"}});
  windows.failTitle = true;
  EXPECT_THROW(cycle.Tick(), Error);
  EXPECT_EQ(processes.calls, 0);

  windows.failTitle = false;
  processes.fail = true;
  EXPECT_THROW(cycle.Tick(), Error);
  EXPECT_TRUE(applied.empty());
}

}  // namespace
}  // namespace lartsen
