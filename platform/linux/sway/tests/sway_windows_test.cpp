// The sway adapters against a recorded tree: facts, command texts, the writes and the journal.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/linux/sway/format_journal.h"
#include "platform/linux/sway/sway_tree.h"
#include "platform/linux/sway/sway_windows.h"
#include "platform/linux/sway/title_format_command.h"

namespace lartsen::sway {
namespace {

using nlohmann::json;

json View(std::int64_t id, const std::string& name, bool focused = false) {
  return json{{"id", id}, {"type", "con"}, {"name", name}, {"focused", focused}, {"shell", "xdg_shell"},
              {"app_id", "foot"}, {"pid", 4242}, {"fullscreen_mode", 0}, {"nodes", json::array()}};
}

// A sway that answers with its tree and records every command.
class FakeSway : public SwayRequests {
 public:
  json tree = json{{"id", 1}, {"focused", false}, {"nodes", json::array({json{
      {"id", 4}, {"type", "workspace"}, {"focused", false},
      {"nodes", json::array({View(5, "Терминал", true), View(6, "xlogo")})},
      {"floating_nodes", json::array()}}})}};
  std::vector<std::string> commands;
  int treeReads = 0;

  json Tree() override { ++treeReads; return tree; }
  bool Command(std::string_view command) override {
    commands.emplace_back(command);
    return FindView(tree, std::stoll(std::string(command.substr(8)))).has_value();
  }
  const std::string& Instance() const override { return instance_; }
  json& Node(std::size_t index) { return tree["nodes"][0]["nodes"][index]; }

 private:
  std::string instance_ = "/run/user/1000/sway-ipc.1000.77.sock";
};

class SwayWindowsTest : public ::testing::Test {
 protected:
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("lartsen-sway-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
  FakeSway sway;
  FormatJournal journal{sway.Instance(), (std::filesystem::create_directories(folder), folder.string())};
  SwayWindows windows{sway, journal, false};
  void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST(SwayTree, ReadsTheFactsOfViewsOnly) {
  json tree = json{{"id", 1}, {"nodes", json::array({json{{"id", 4}, {"type", "workspace"}, {"focused", true}}})},
                   {"floating_nodes", json::array()}};
  EXPECT_FALSE(FocusedView(tree)) << "a focused workspace is no foreground window";

  json xwayland = View(9, "xlogo", true);
  xwayland["app_id"] = nullptr;
  xwayland["shell"] = "xwayland";
  xwayland["window_properties"] = {{"class", "XLogo"}};
  xwayland["fullscreen_mode"] = 1;
  tree["nodes"][0]["floating_nodes"] = json::array({xwayland});
  tree["nodes"][0]["focused"] = false;
  const auto facts = FocusedView(tree);
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->id, 9);
  EXPECT_EQ(facts->className, u"XLogo");
  EXPECT_EQ(facts->pid, 4242u);
  EXPECT_TRUE(facts->fullScreen);
  EXPECT_FALSE(FindView(tree, 4)) << "a workspace is not a view";
}

TEST(TitleFormatCommand, ShowsTheTextAsGiven) {
  EXPECT_EQ(TitleFormatCommand(5, u" [16:40:00]", false), "[con_id=5] title_format '%title [16:40:00]'");
  EXPECT_EQ(TitleFormatCommand(5, u"", false), "[con_id=5] title_format '%title'");
  EXPECT_EQ(TitleFormatCommand(5, u" it's", false), "[con_id=5] title_format \"%title it's\"");
  // Both quotes: each blank-separated piece takes the quote it lacks.
  EXPECT_EQ(TitleFormatCommand(5, u" a\"b c'd", false), "[con_id=5] title_format '%title' 'a\"b' \"c'd\"");
  EXPECT_EQ(TitleFormatCommand(5, u" 50% %title;x", false),
            "[con_id=5] title_format '%title 50% %\u2060title;x'");
  EXPECT_EQ(TitleFormatCommand(5, u" <b>&\n", true), "[con_id=5] title_format '%title &lt;b&gt;&amp; '");
  EXPECT_EQ(TitleFormatCommand(5, u" <b>&", false), "[con_id=5] title_format '%title <b>&'");
}

TEST(TitleFormatCommand, MarkupFollowsTheLastFontLine) {
  EXPECT_FALSE(UsesPangoMarkup("xwayland force\nfont monospace 10\n"));
  EXPECT_TRUE(UsesPangoMarkup("font monospace 9\n  font pango:DejaVu Sans 10"));
  EXPECT_FALSE(UsesPangoMarkup("font pango:Sans 10\nfont Sans 10\n"));
}

TEST_F(SwayWindowsTest, WritesOnlyWhenOurTextChanges) {
  EXPECT_EQ(windows.GetForegroundWindow(), 5u);
  windows.SetWindowText(5, u"Терминал [16:40:00]");
  EXPECT_EQ(windows.GetWindowText(5), u"Терминал [16:40:00]");
  EXPECT_EQ(journal.Read(), std::vector<std::int64_t>{5});
  windows.SetWindowText(5, u"Терминал [16:40:00]");
  windows.SetWindowText(5, u"Терминал [16:40:01]");
  ASSERT_EQ(sway.commands.size(), 2u);
  EXPECT_EQ(sway.commands[1], "[con_id=5] title_format '%title [16:40:01]'");

  // The restore gives sway's default back and empties the journal.
  windows.SetWindowText(5, u"Терминал");
  EXPECT_EQ(sway.commands.back(), "[con_id=5] title_format '%title'");
  EXPECT_EQ(windows.GetWindowText(5), u"Терминал");
  EXPECT_TRUE(journal.Read().empty());
  windows.SetWindowText(5, u"Терминал");
  EXPECT_EQ(sway.commands.size(), 3u);
}

TEST_F(SwayWindowsTest, ARetitleReplacesOurTextAndAnOldOwnTitleMeansTheNewOne) {
  windows.SetWindowText(5, u"Терминал [1]");
  sway.Node(0)["name"] = "vim";
  EXPECT_EQ(windows.GetWindowText(5), u"vim");
  EXPECT_EQ(sway.commands.back(), "[con_id=5] title_format '%title'");
  windows.SetWindowText(6, u"xlogo [2]");
  sway.Node(1)["name"] = "xlogo2";
  windows.SetWindowText(6, u"xlogo");  // the writer's restore of a title the window no longer has
  EXPECT_EQ(sway.commands.back(), "[con_id=6] title_format '%title'");
  EXPECT_TRUE(journal.Read().empty());
}

TEST_F(SwayWindowsTest, ATickReadsTheTreeOnceAndAGoneWindowIsNoFailure) {
  {
    SwayWindows::TickScope scope(windows);
    const WindowHandle front = windows.GetForegroundWindow();
    windows.GetWindowClassName(front);
    windows.GetWindowProcessId(front);
    windows.SetWindowText(front, windows.GetWindowText(front) + u" [1]");
  }
  EXPECT_EQ(sway.treeReads, 1);
  // Following sway's events, ticks in which nothing happened ask sway nothing.
  windows.FollowEvents();
  for (int tick = 0; tick < 3; ++tick) {
    SwayWindows::TickScope scope(windows);
    windows.SetWindowText(windows.GetForegroundWindow(), u"Терминал [1]");
  }
  EXPECT_EQ(sway.treeReads, 2);
  sway.Node(0)["name"] = "vim";
  windows.TreeChanged();
  EXPECT_EQ(windows.GetWindowText(5), u"vim");
  sway.Node(0)["id"] = 50;  // closed
  windows.TreeChanged();
  EXPECT_NO_THROW(windows.SetWindowText(5, u"Терминал [2]"));
  EXPECT_EQ(windows.GetWindowText(5), u"");
  EXPECT_TRUE(journal.Read().empty());
}

TEST_F(SwayWindowsTest, ResetsEveryFormatAtExitAndWhatAKilledRunLeft) {
  windows.SetWindowText(5, u"Терминал [1]");
  windows.ResetAll();
  EXPECT_EQ(sway.commands.back(), "[con_id=5] title_format '%title'");
  EXPECT_TRUE(journal.Read().empty());

  // A killed run: its journal names a living container, a gone one, and one of another instance.
  journal.Record({6, 77});
  FormatJournal other{"/run/user/1000/sway-ipc.1000.99.sock", folder.string()};
  other.Record({5});
  sway.commands.clear();
  ResetLeftFormats(sway, journal);
  EXPECT_EQ(sway.commands, std::vector<std::string>{"[con_id=6] title_format '%title'"});
  EXPECT_TRUE(journal.Read().empty());
  EXPECT_EQ(other.Read(), std::vector<std::int64_t>{5});
}

}  // namespace
}  // namespace lartsen::sway
