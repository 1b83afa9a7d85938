// Opening the rules files for editing, and the read-me file, against recording fakes.
#include "rules/optional_conditions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/read_me_file.h"
#include "support/text.h"
#include "support/testing/fake_host.h"

namespace lartsen {
namespace {

class Environment : public EnvironmentPort {
 public:
  bool inIde = false;
  std::u16string ProgramFolder() override { return u"C:\\Program Files\\Lartsen"; }
  bool IsInIDE() override { return inIde; }
  std::u16string GetSpecialFolder(int csidl) override {
    EXPECT_EQ(csidl, kCsidlAppData);
    return u"C:\\Users\\Ира\\AppData\\Roaming";
  }
  std::u16string GetFullFileName(std::u16string_view path) override { return std::u16string(path); }
};

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

class Shell : public ShellPort {
 public:
  struct Open {
    WindowHandle owner;
    std::u16string path, folder;
  };
  std::vector<Open> opened;
  bool succeeds = false;
  WindowHandle GetActiveWindow() override { return 0x1234; }
  bool OpenDocument(WindowHandle owner, std::u16string_view path, std::u16string_view folder) override {
    opened.push_back({owner, std::u16string(path), std::u16string(folder)});
    return succeeds;
  }
};

class Messages : public MessagePort {
 public:
  std::vector<std::pair<std::u16string, unsigned>> shown;
  void ShowMessage(std::u16string_view text, unsigned style) override { shown.emplace_back(text, style); }
};

class OptionalConditionsTest : public ::testing::Test {
 protected:
  Environment environment;
  FakeHost host;
  Disk disk;
  ComplexDirectory directories{disk, host, environment};
  Shell shell;
  Messages messages;
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
  EXPECT_EQ(messages.shown[0].first, u"Не удалось открыть файл с дополнительными правилами.");
  EXPECT_EQ(messages.shown[0].second, 16u);
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
  EXPECT_EQ(messages.shown[0].first, u"Не удалось открыть файл с примерами дополнительными правилами.");
  EXPECT_EQ(messages.shown[0].second, 16u);
}

TEST_F(OptionalConditionsTest, ReadMeOpensBesideTheProgramOrSaysItCannot) {
  EXPECT_FALSE(OpenReadMeFile(7, environment, shell, messages));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].owner, 7u);
  EXPECT_EQ(shell.opened[0].path, u"C:\\Program Files\\Lartsen\\ReadMe.TXT");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].first, u"Не удаётся открыть файл ReadMe.TXT");
  shell.succeeds = true;
  EXPECT_TRUE(OpenReadMeFile(7, environment, shell, messages));
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace lartsen
