// Opening the rules files for editing, and the read-me file, against recording fakes.
#include "rules/optional_conditions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fsutil/testing/fake_file_system.h"
#include "support/text.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_host.h"
#include "support/testing/fake_messages.h"
#include "support/testing/fake_shell.h"

namespace lartsen {
namespace {

class OptionalConditionsTest : public ::testing::Test {
 protected:
  OptionalConditionsTest() {
    environment.programFolder = u"C:\\Program Files\\Lartsen";
    environment.appData = u"C:\\Users\\Ира\\AppData\\Roaming";
    // The application-data folder exists from the start.
    for (const auto* folder : {u"C:", u"C:\\Users", u"C:\\Users\\Ира", u"C:\\Users\\Ира\\AppData"}) disk.AddDirectory(folder);
    disk.AddDirectory(environment.appData);
  }
  FakeEnvironment environment;
  FakeHost host;
  FakeFileSystem disk;
  ComplexDirectory directories{disk, host, environment};
  FakeShell shell;
  FakeMessages messages;
  OptionalConditions commands{environment, host, directories, shell, messages};
  const std::u16string userFolder = u"C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind\\Ларцен";
};

TEST_F(OptionalConditionsTest, FirstUseCreatesTheUserFolderAndReportsTheMissingFile) {
  commands.OpenOptionalConditions();
  EXPECT_EQ(disk.Created(), (std::vector<std::string>{
                                "mkdirW \\\\?\\C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind",
                                "mkdirW \\\\?\\C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind\\Ларцен"}));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].owner, 0x1234u);
  EXPECT_EQ(shell.opened[0].path, userFolder + u"\\Conditions.INI");
  EXPECT_EQ(shell.opened[0].folder, userFolder);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Не удалось открыть файл с дополнительными правилами.");
  EXPECT_EQ(messages.shown[0].style, 16u);
}

TEST_F(OptionalConditionsTest, AnExistingFileOpensWithoutMessageOrCreation) {
  disk.AddDirectory(u"C:\\Users\\Ира\\AppData\\Roaming\\Nerrowind");
  disk.AddDirectory(userFolder);
  shell.succeeds = true;
  commands.OpenOptionalConditions();
  EXPECT_TRUE(disk.Created().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionalConditionsTest, NineXHostsCreateTheFolderWithSingleByteCalls) {
  host.win9x = true;
  commands.OpenOptionalConditions();
  ASSERT_EQ(disk.Created().size(), 2u);
  EXPECT_EQ(disk.Created()[1], "mkdirA " + ToUtf8(userFolder));
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
  EXPECT_TRUE(disk.Created().empty());
  ASSERT_EQ(messages.shown.size(), 1u);  // only the failed first open
  EXPECT_EQ(messages.shown[0].text, u"Не удалось открыть файл с примерами дополнительными правилами.");
  EXPECT_EQ(messages.shown[0].style, 16u);
}

}  // namespace
}  // namespace lartsen
