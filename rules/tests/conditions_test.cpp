// Loading the rules files into the rules table, with in-memory files and recorded messages.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "rules/conditions.h"
#include "rules/portable_ansi.h"
#include "rules/testing/fake_files.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_messages.h"

namespace lartsen {
namespace {

const std::u16string kMain = u"C:\\Prog\\Conditions.INI";
const std::u16string kDebug = u"C:\\Prog\\Conditions.Debug.INI";
const std::u16string kUser = u"C:\\Users\\u\\AppData\\Roaming\\Nerrowind\\Ларцен\\Conditions.INI";

class ConditionsTest : public ::testing::Test {
 protected:
  FakeFiles files_;
  PortableAnsiDecoder ansi_;
  ListReader reader_{files_, ansi_};
  FakeEnvironment environment_;
  FakeMessages messages_;
  ConditionsTable table_;
  ConditionsLoader loader_{table_, environment_, reader_, messages_};

  void ExpectRules(const std::vector<ConditionRow>& rules, std::array<bool, 3> columnsUsed) {
    EXPECT_EQ(table_.Conditions, rules);
    EXPECT_EQ(table_.ConditionColumnsUsed, columnsUsed);
  }
};

TEST_F(ConditionsTest, FileNamesFollowTheBuildKind) {
  EXPECT_EQ(loader_.GetConditionsFileName(), kMain);
  EXPECT_EQ(loader_.GetDebugConditionsFileName(), kDebug);
  EXPECT_EQ(loader_.GetOptionalConditionsFileName(), kUser);
  environment_.inIde = true;
  EXPECT_EQ(loader_.GetConditionsFileName(), u"C:\\Prog\\Output\\Conditions.INI");
  EXPECT_EQ(loader_.GetDebugConditionsFileName(), kDebug);
}

TEST_F(ConditionsTest, NoFilesLeaveNothingLoadedAndSayNothing) {
  loader_.LoadConditions();
  EXPECT_FALSE(table_.ConditionsLoaded);
  EXPECT_TRUE(table_.Conditions.empty());
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ConditionsTest, RulesKeepFileOrderAcrossFiles) {
  files_.files[kMain] = "Notepad\n*\n*\n*\nБлокнот*\n*\n";
  files_.files[kUser] = "*\n*\nfar.exe\n";
  loader_.LoadConditions();
  ASSERT_TRUE(table_.ConditionsLoaded);
  ExpectRules({{u"Notepad", u"*", u"*"}, {u"*", u"Блокнот*", u"*"}, {u"*", u"*", u"far.exe"}}, {true, true, true});
}

TEST_F(ConditionsTest, FileWithCountNotAMultipleOfThreeIsReportedAndSkippedWhole) {
  files_.files[kMain] = "a\nb\nc\nd\n";
  files_.files[kDebug] = "x\n*\n*\n";
  loader_.LoadConditions();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, kMain + u"\r\n\r\nОшибка в файле условий. оличество строк должно быть кратно трём.");
  EXPECT_EQ(messages_.shown[0].style, 16u);
  ASSERT_EQ(table_.Conditions.size(), 1u);
  EXPECT_EQ(table_.Conditions[0][0], u"x");
}

TEST_F(ConditionsTest, AFileThatCannotBeReadIsReportedAndTheOthersLoad) {
  files_.unreadable.insert(kUser);
  files_.files[kMain] = "x\n*\n*\n";
  loader_.LoadConditions();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, kUser + u"\r\n\r\nФайл условий не удалось прочитать: Permission denied");
  EXPECT_EQ(messages_.shown[0].style, 16u);
  EXPECT_EQ(table_.Conditions.size(), 1u);
}

TEST_F(ConditionsTest, ReportsAreInTheProgramsLanguage) {
  ConditionsLoader english{table_, environment_, reader_, messages_, UiLanguage::English};
  files_.files[kMain] = "a\nb\n";
  files_.unreadable.insert(kUser);
  english.LoadConditions();
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0].text,
            kMain + u"\r\n\r\nError in the conditions file. The number of lines must be a multiple of three.");
  EXPECT_EQ(messages_.shown[1].text, kUser + u"\r\n\r\nThe conditions file could not be read: Permission denied");
}

TEST_F(ConditionsTest, QuotesEmptyValuesAndEmptyBrackets) {
  files_.files[kMain] =
      "\"\"\n*\n\"\"\n"                 // unconstrained everywhere
      "[]\n\"*\"\n*\n"                  // class name must be empty
      "\"[]\"\n\" Блокнот \"\n\"x\n";   // quoted "[]" too; inner blanks kept; a lone quote stays
  loader_.LoadConditions();
  ExpectRules({{u"*", u"*", u"*"}, {u"", u"*", u"*"}, {u"", u" Блокнот ", u"\"x"}}, {true, true, true});
}

TEST_F(ConditionsTest, FlagsAreRecomputedOnEveryLoad) {
  files_.files[kMain] = "Notepad\n*\n*\n*\n*\nfar.exe\n";
  loader_.LoadConditions();
  EXPECT_EQ(table_.ConditionColumnsUsed, (std::array<bool, 3>{true, false, true}));
  files_.files[kMain] = "*\nTitle\n*\n";
  loader_.LoadConditions();
  EXPECT_EQ(table_.Conditions.size(), 1u);
  EXPECT_EQ(table_.ConditionColumnsUsed, (std::array<bool, 3>{false, true, false}));
}

TEST_F(ConditionsTest, ReloadWithoutRulesKeepsThePreviousTable) {
  files_.files[kMain] = "Notepad\n*\n*\n";
  loader_.LoadConditions();
  files_.files[kMain] = "; everything removed\n";
  loader_.LoadConditions();
  ASSERT_TRUE(table_.ConditionsLoaded);
  ExpectRules({{u"Notepad", u"*", u"*"}}, {true, false, false});
}

TEST_F(ConditionsTest, FailurePartWayKeepsThePreviousTable) {
  files_.files[kMain] = "Notepad\n*\n*\n";
  loader_.LoadConditions();
  files_.files[kMain] = "Other\n*\n*\n*\n*\nx.exe\n";
  environment_.failSpecialFolder = true;
  EXPECT_THROW(loader_.LoadConditions(), Error);
  ExpectRules({{u"Notepad", u"*", u"*"}}, {true, false, false});
}

}  // namespace
}  // namespace lartsen
