// Opening the read-me file beside the program, and the message when it cannot be opened.
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

}  // namespace
}  // namespace lartsen
