// Route choice, fallback, privilege request and name clean-up of the window's process name.
#include "process/window_process_path.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/error.h"
#include "support/testing/fake_host.h"

namespace lartsen {
namespace {

class FakeRoutes : public ProcessRoutes {
 public:
  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override {
    auto it = owners.find(window);
    return it == owners.end() ? 0 : it->second;
  }
  void EnableDebugPrivilege() override {
    calls.push_back("privilege");
    if (failPrivilege) throw Error(status::kFail, u"privilege");
  }
  std::u16string GetProcessPath9x(std::uint32_t id) override {
    calls.push_back("9x");
    return Lookup(snapshot, id);
  }
  std::u16string QueryFullProcessPath(std::uint32_t id) override {
    calls.push_back("query");
    return Lookup(imagePaths, id);
  }
  std::u16string GetProcessModulePath(std::uint32_t id) override {
    calls.push_back("module");
    return Lookup(modulePaths, id);
  }

  std::map<WindowHandle, std::uint32_t> owners;
  std::map<std::uint32_t, std::u16string> snapshot, imagePaths, modulePaths;
  bool failPrivilege = false;
  std::vector<std::string> calls;

 private:
  static std::u16string Lookup(const std::map<std::uint32_t, std::u16string>& m, std::uint32_t id) {
    auto it = m.find(id);
    return it == m.end() ? std::u16string() : it->second;
  }
};

using Calls = std::vector<std::string>;

class WindowProcessPathTest : public ::testing::Test {
 protected:
  void SetUp() override { routes.owners[10] = 1234; }
  std::u16string NameOf(WindowHandle window) {
    std::uint32_t id = 99;
    auto name = finder.GetWindowProcessPath(window, id);
    lastId = id;
    return name;
  }

  FakeRoutes routes;
  FakeHost host;
  WindowProcessPath finder{routes, host};
  std::uint32_t lastId = 0;
};

TEST_F(WindowProcessPathTest, WindowWithoutProcessGivesEmptyAndAsksNothing) {
  EXPECT_EQ(NameOf(0), u"");
  EXPECT_EQ(NameOf(55), u"");  // a window that has closed
  EXPECT_EQ(lastId, 0u);
  EXPECT_TRUE(routes.calls.empty());
  EXPECT_FALSE(finder.DebugPrivilegeEnabled);
}

TEST_F(WindowProcessPathTest, PrivilegeIsAskedOnceAndAgainOnlyAfterItRaised) {
  routes.imagePaths[1234] = u"C:\\Windows\\notepad.exe";
  routes.failPrivilege = true;
  EXPECT_THROW(NameOf(10), Error);
  EXPECT_FALSE(finder.DebugPrivilegeEnabled);

  routes.failPrivilege = false;
  routes.calls.clear();
  EXPECT_EQ(NameOf(10), u"notepad.exe");
  EXPECT_EQ(NameOf(10), u"notepad.exe");
  EXPECT_EQ(routes.calls, (Calls{"privilege", "query", "query"}));
  EXPECT_TRUE(finder.DebugPrivilegeEnabled);
  EXPECT_EQ(lastId, 1234u);
}

TEST_F(WindowProcessPathTest, NtHostsTryTheImagePathThenTheFirstModule) {
  finder.DebugPrivilegeEnabled = true;
  routes.imagePaths[1234] = u"C:\\Program Files\\App\\app.exe";
  routes.modulePaths[1234] = u"C:\\other.exe";
  EXPECT_EQ(NameOf(10), u"app.exe");
  EXPECT_EQ(routes.calls, (Calls{"query"}));

  routes.calls.clear();
  routes.imagePaths.clear();  // e.g. a host without the image-path query
  EXPECT_EQ(NameOf(10), u"other.exe");
  EXPECT_EQ(routes.calls, (Calls{"query", "module"}));

  routes.calls.clear();
  routes.modulePaths.clear();  // a process that cannot be opened at all
  EXPECT_EQ(NameOf(10), u"");
  EXPECT_EQ(routes.calls, (Calls{"query", "module"}));
}

TEST_F(WindowProcessPathTest, NineXHostsUseOnlyTheSnapshot) {
  host.win9x = true;
  routes.snapshot[1234] = u"C:\\WINDOWS\\EXPLORER.EXE";
  routes.imagePaths[1234] = u"C:\\wrong.exe";
  EXPECT_EQ(NameOf(10), u"EXPLORER.EXE");
  EXPECT_EQ(routes.calls, (Calls{"privilege", "9x"}));

  routes.snapshot.clear();  // the process ended before the snapshot
  EXPECT_EQ(NameOf(10), u"");
}

TEST_F(WindowProcessPathTest, QuestionMarksInTheNameBecomeDashesAndNothingElseChanges) {
  routes.imagePaths[1234] = u"C:\\d?r\\??Ларцен *[x].exe?";
  EXPECT_EQ(NameOf(10), u"--Ларцен *[x].exe-");
}

}  // namespace
}  // namespace lartsen
