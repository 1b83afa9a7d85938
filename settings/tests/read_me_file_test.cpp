// Opening the read-me file beside the program in the program's language, and the message when
// it cannot be opened.
#include "settings/read_me_file.h"

#include <gtest/gtest.h>

#include "support/testing/fake_environment.h"
#include "support/testing/fake_messages.h"
#include "support/testing/fake_shell.h"

namespace lartsen {
namespace {

TEST(ReadMeFile, OpensBesideTheProgramOrSaysItCannot) {
  FakeEnvironment environment;
  environment.programFolder = u"C:\\Program Files\\Lartsen";
  FakeShell shell;
  FakeMessages messages;
  EXPECT_FALSE(OpenReadMeFile(7, environment, shell, messages));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].owner, 7u);
  EXPECT_EQ(shell.opened[0].path, u"C:\\Program Files\\Lartsen\\ReadMe.TXT");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Не удаётся открыть файл ReadMe.TXT");
  shell.succeeds = true;
  EXPECT_TRUE(OpenReadMeFile(7, environment, shell, messages));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(ReadMeFile, EnglishOpensItsOwnFileAndFallsBackToTheRussianOne) {
  FakeEnvironment environment(u"C:\\Lartsen");
  FakeShell shell;
  FakeMessages messages;
  shell.succeeds = true;
  EXPECT_TRUE(OpenReadMeFile(7, environment, shell, messages, UiLanguage::English));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].path, u"C:\\Lartsen\\ReadMe.en.TXT");

  shell.opened.clear();
  shell.missing.insert(u"C:\\Lartsen\\ReadMe.en.TXT");
  EXPECT_TRUE(OpenReadMeFile(7, environment, shell, messages, UiLanguage::English));
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[1].path, u"C:\\Lartsen\\ReadMe.TXT");
  EXPECT_TRUE(messages.shown.empty());

  // Neither opens: the message speaks English and names the English file.
  shell.succeeds = false;
  EXPECT_FALSE(OpenReadMeFile(7, environment, shell, messages, UiLanguage::English));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Cannot open the file ReadMe.en.TXT");
  EXPECT_EQ(messages.shown[0].style, message_style::kCritical);
}

}  // namespace
}  // namespace lartsen
