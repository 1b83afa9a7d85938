// Opening the rules files for editing, and the read-me file, against recording fakes.
#include "rules/optional_conditions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/text.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_host.h"
#include "support/testing/fake_messages.h"
#include "support/testing/fake_shell.h"

namespace lartsen {
namespace {

// Directories as the calls name them; the application-data folder exists from the start.
class Disk : public FileSystemPort {
 public:
  std::set<std::u16string> directories{u"C:", u"C:\\Users", u"C:\\Users\\Ира", u"C:\\Users\\Ира\\AppData",
                                       u"C:\\Users\\Ира\\AppData\\Roaming"};
  std::vector<std::string> created;
  std::uint32_t FileAttributesWide(std::u16string_view path) override { return Attributes(Plain(path)); }
  std::uint32_t FileAttributesAnsi(std::u16string_view path) override { return Attributes(path); }
  bool CreateDirectoryWide(std::u16string_view path) override { return Create("W " + ToUtf8(path), Plain(path)); }
  bool CreateDirectoryAnsi(std::u16string_view path) override { return Create("A " + ToUtf8(path), path); }

 private:
  static std::u16string_view Plain(std::u16string_view path) {
    return path.starts_with(u"\\\\?\\") ? path.substr(4) : path;
  }
  std::uint32_t Attributes(std::u16string_view path) {
    return directories.contains(std::u16string(path)) ? kFileAttributeDirectory : kInvalidFileAttributes;
  }
  bool Create(std::string call, std::u16string_view path) {
    created.push_back(std::move(call));
    directories.insert(std::u16string(path));
    return true;
  }
};

class OptionalConditionsTest : public ::testing::Test {
 protected:
  OptionalConditionsTest() {
    environment.programFolder = u"C:\\Program Files\\Lartsen";
    environment.appData = u"C:\\Users\\Ира\\AppData\\Roaming";
  }
  FakeEnvironment environment;
  FakeHost host;
  Disk disk;
  ComplexDirectory directories{disk, host, environment};
  FakeShell shell;
  FakeMessages messages;
  OptionalConditions commands{environment, host, directories, shell, messages};
  const std::u16string userFolder = u"C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind\\Ларцен";
};

TEST_F(OptionalConditionsTest, FirstUseCreatesTheUserFolderAndReportsTheMissingFile) {
  commands.OpenOptionalConditions();
  EXPECT_EQ(disk.created, (std::vector<std::string>{
                              "W \\\\?\\C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind",
                              "W \\\\?\\C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind\\Ларцен"}));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].owner, 0x1234u);
  EXPECT_EQ(shell.opened[0].path, userFolder + u"\\Conditions.INI");
  EXPECT_EQ(shell.opened[0].folder, userFolder);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Не удалось открыть файл с дополнительными правилами.");
  EXPECT_EQ(messages.shown[0].style, 16u);
}

TEST_F(OptionalConditionsTest, AnExistingFileOpensWithoutMessageOrCreation) {
  disk.directories.insert(u"C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind");
  disk.directories.insert(userFolder);
  shell.succeeds = true;
  commands.OpenOptionalConditions();
  EXPECT_TRUE(disk.created.empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionalConditionsTest, NineXHostsCreateTheFolderWithSingleByteCalls) {
  host.win9x = true;
  commands.OpenOptionalConditions();
  ASSERT_EQ(disk.created.size(), 2u);
  EXPECT_EQ(disk.created[1], "A " + ToUtf8(userFolder));
}

TEST_F(OptionalConditionsTest, ExamplesOpenBesideTheProgramAndCreateNothing) {
  commands.OpenOptionalConditionsSamples();
  environment.inIde = true;
  shell.succeeds = true;
  commands.OpenOptionalConditionsSamples();
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0].path, u"C:\\Program Files\\Lartsen\\Conditions.Optional.INI");
  EXPECT_EQ(shell.opened[0].folder, u"");
  EXPECT_EQ(shell.opened[1].path, u"C:\\Program Files\\Lartsen\\Output\\Conditions.Optional.INI");
  EXPECT_TRUE(disk.created.empty());
  ASSERT_EQ(messages.shown.size(), 1u);  // only the failed first open
  EXPECT_EQ(messages.shown[0].text, u"Не удалось открыть файл с примерами дополнительными правилами.");
  EXPECT_EQ(messages.shown[0].style, 16u);
}

}  // namespace
}  // namespace lartsen
