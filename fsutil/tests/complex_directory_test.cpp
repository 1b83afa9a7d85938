// Nested directory creation against a recording fake file system.
#include "fsutil/complex_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fsutil/testing/fake_file_system.h"
#include "support/error.h"
#include "support/text.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_host.h"

namespace lartsen {
namespace {

// Absolute forms as GetFullPathNameW gives them, with C:\Work the current folder of every
// drive: an empty path fails, "C:" is the drive's current folder, "C:rel" and "\rel" resolve
// against the current folder and drive, trailing separators stay.
class WorkingFolderEnvironment : public FakeEnvironment {
 public:
  bool fail = false;
  std::u16string GetFullFileName(std::u16string_view path) override {
    if (fail || path.empty()) throw Error(status::kFail, u"no absolute path");
    const std::u16string p(path);
    if (p.starts_with(u"\\\\")) return p;
    if (p.size() >= 2 && p[1] == u':') {
      if (p.size() >= 3 && p[2] == u'\\') return p;
      const std::u16string current = p.substr(0, 2) + u"\\Work";
      return p.size() == 2 ? current : current + u"\\" + p.substr(2);
    }
    if (p.starts_with(u"\\")) return u"C:" + p;
    return u"C:\\Work\\" + p;
  }
};

class ComplexDirectoryTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  FakeHost host;
  WorkingFolderEnvironment env;
  ComplexDirectory dirs{fs, host, env};
};

using Calls = std::vector<std::string>;

TEST_F(ComplexDirectoryTest, SlashesDoubledAndTrailingSeparatorsAreNormalised) {
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"C:/Data//Sub/", false));
  EXPECT_EQ(fs.calls, (Calls{"attrA C:\\Data", "mkdirA C:\\Data", "attrA C:\\Data\\Sub",
                             "mkdirA C:\\Data\\Sub"}));
}

TEST_F(ComplexDirectoryTest, LowerCaseDriveKeepsItsCaseAndRelativePathsResolve) {
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"d:\\x", false));
  EXPECT_EQ(fs.Created(), (Calls{"mkdirA d:\\x"}));
  fs.calls.clear();
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"rel", false));
  EXPECT_EQ(fs.Created(), (Calls{"mkdirA C:\\Work", "mkdirA C:\\Work\\rel"}));
  fs.calls.clear();
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"D:sub", false));  // the drive's current folder
  EXPECT_EQ(fs.Created(), (Calls{"mkdirA D:\\Work", "mkdirA D:\\Work\\sub"}));
}

TEST_F(ComplexDirectoryTest, ExistingDirectoriesAreOnlyTested) {
  fs.AddDirectory(u"C:\\Data");
  fs.entries[u"C:\\Data\\Sub"] = kFileAttributeDirectory | 0x1;  // read-only bit too
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"C:\\Data\\Sub", false));
  EXPECT_TRUE(fs.Created().empty());
}

TEST_F(ComplexDirectoryTest, NetworkPathsWalkBelowTheShareOnly) {
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"\\\\server\\share\\a\\b", false));
  EXPECT_EQ(fs.calls, (Calls{"attrA \\\\server\\share\\a", "mkdirA \\\\server\\share\\a",
                             "attrA \\\\server\\share\\a\\b", "mkdirA \\\\server\\share\\a\\b"}));
  fs.calls.clear();
  // Extra separators between server, share and directories are tolerated.
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"//server//share//c", false));
  EXPECT_EQ(fs.Created(), (Calls{"mkdirA \\\\server\\share\\c"}));
}

TEST_F(ComplexDirectoryTest, PathsNamingNoCreatableDirectoryAreRefusedWithoutCalls) {
  for (const auto* path : {u"\\\\server\\share", u"\\\\server\\share\\", u"\\\\server", u"\\\\",
                           u"C:\\", u"C:", u"c:/", u"C:\\\\", u"", u"/", u"\\", u"1:\\a"}) {
    EXPECT_FALSE(dirs.CreateComplexDirectory(path, true)) << ToUtf8(path);
  }
  EXPECT_TRUE(fs.calls.empty());
}

TEST_F(ComplexDirectoryTest, AComponentThatIsAFileStopsTheWalk) {
  fs.AddDirectory(u"C:\\Data");
  fs.entries[u"C:\\Data\\file"] = 0x20;  // archive, no directory bit
  EXPECT_FALSE(dirs.CreateComplexDirectory(u"C:\\Data\\file\\below", false));
  EXPECT_EQ(fs.calls, (Calls{"attrA C:\\Data", "attrA C:\\Data\\file", "mkdirA C:\\Data\\file"}));
}

TEST_F(ComplexDirectoryTest, DirectoriesMadeBeforeAFailureStay) {
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"C:\\a", false));
  fs.refuseCreation = true;
  EXPECT_FALSE(dirs.CreateComplexDirectory(u"C:\\a\\b\\c", false));
  EXPECT_TRUE(fs.entries.contains(u"C:\\a"));
  EXPECT_EQ(fs.calls.back(), "mkdirA C:\\a\\b");
}

TEST_F(ComplexDirectoryTest, UnicodeOnNtUsesPrefixedWideCalls) {
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"C:\\Данные", true));
  EXPECT_EQ(fs.calls, (Calls{"attrW \\\\?\\C:\\Данные", "mkdirW \\\\?\\C:\\Данные"}));
  fs.calls.clear();
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"\\\\srv\\sh\\a", true));
  EXPECT_EQ(fs.calls, (Calls{"attrW \\\\?\\UNC\\srv\\sh\\a", "mkdirW \\\\?\\UNC\\srv\\sh\\a"}));
}

TEST_F(ComplexDirectoryTest, NineXHostsUseSingleByteCallsEvenWhenUnicodeIsAsked) {
  host.win9x = true;
  EXPECT_TRUE(dirs.CreateComplexDirectory(u"C:\\a", true));
  EXPECT_EQ(fs.calls, (Calls{"attrA C:\\a", "mkdirA C:\\a"}));
}

TEST_F(ComplexDirectoryTest, EnvironmentErrorsPassToTheCaller) {
  env.fail = true;
  EXPECT_THROW(dirs.CreateComplexDirectory(u"C:\\a", false), Error);
}

TEST(BackslashHelpers, TrimAndCollapse) {
  EXPECT_EQ(TrimLeadingBackslashes(u"\\\\\\a\\b\\"), u"a\\b\\");
  EXPECT_EQ(TrimTrailingBackslashes(u"\\a\\b\\\\"), u"\\a\\b");
  EXPECT_EQ(CollapseBackslashes(u"\\\\a\\\\\\b\\c"), u"\\a\\b\\c");
  EXPECT_EQ(TrimLeadingBackslashes(u"\\\\"), u"");
  EXPECT_EQ(CollapseBackslashes(u""), u"");
  EXPECT_EQ(AddLongPathPrefix(u"\\\\s\\h\\a", true), u"\\\\?\\UNC\\s\\h\\a");
  EXPECT_EQ(AddLongPathPrefix(u"C:\\a", false), u"\\\\?\\C:\\a");
}

}  // namespace
}  // namespace lartsen
