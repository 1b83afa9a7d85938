// The tray menu tree: ids stay apart and the rule-count line reads as the user expects.
#include <gtest/gtest.h>

#include <set>

#include "app/menu_model.h"

namespace lartsen {
namespace {

TEST(MenuModelTest, CommandIdsAreUniqueAcrossBothArrays) {
  std::set<int> ids;
  for (const MenuItem& item : ContextMenuItems()) ids.insert(ContextCommandId(item.Index));
  for (const MenuItem& item : HelpMenuItems()) ids.insert(HelpCommandId(item.Index));
  EXPECT_EQ(ids.size(), ContextMenuItems().size() + HelpMenuItems().size());
  EXPECT_EQ(ContextMenuItems().back().Caption, u"Выход");
  EXPECT_EQ(ContextMenuItems().back().Index, 99);
}

TEST(MenuModelTest, RuleCountCaption) {
  ConditionsTable table;
  EXPECT_EQ(RuleCountCaption(table), u"    Правила не определены");
  table.ConditionsLoaded = true;
  table.Conditions.resize(12);
  EXPECT_EQ(RuleCountCaption(table), u"    Всего правил: \t12");
}

TEST(MenuModelTest, EnglishMenuKeepsTheLayoutInOtherWords) {
  const auto russian = ContextMenuItems(UiLanguage::Russian);
  const auto english = ContextMenuItems(UiLanguage::English);
  ASSERT_EQ(english.size(), russian.size());
  for (std::size_t i = 0; i < english.size(); ++i) {
    EXPECT_EQ(english[i].Index, russian[i].Index);
    EXPECT_EQ(english[i].Kind, russian[i].Kind);
  }
  EXPECT_EQ(english.back().Caption, u"Exit");
  EXPECT_EQ(HelpMenuItems(UiLanguage::English)[2].Caption, u"About...");
  ConditionsTable table;
  EXPECT_EQ(RuleCountCaption(table, UiLanguage::English), u"    No rules defined");
  table.ConditionsLoaded = true;
  table.Conditions.resize(3);
  EXPECT_EQ(RuleCountCaption(table, UiLanguage::English), u"    Rules in total: \t3");
}

}  // namespace
}  // namespace lartsen
