// Errors that keep their description by key: told in the language of whoever shows them.
#include <gtest/gtest.h>

#include "support/error.h"

namespace lartsen {
namespace {

TEST(KeyedError, SaysItsDescriptionInEitherLanguageWithItsDetail) {
  const Error error(status::kFail, UiText::RegistryErrorPrefix, u"Refresh Rate");
  EXPECT_EQ(error.description(), u"Ошибка реестра: Refresh Rate");
  EXPECT_EQ(error.DescriptionIn(UiLanguage::Russian), u"Ошибка реестра: Refresh Rate");
  EXPECT_EQ(error.DescriptionIn(UiLanguage::English), u"Registry error: Refresh Rate");
  EXPECT_STREQ(error.what(), "Ошибка реестра: Refresh Rate");
  // A description given as text stays as it was given, whatever the language.
  EXPECT_EQ(Error(status::kFail, u"as given").DescriptionIn(UiLanguage::English), u"as given");
  // A keyed ending follows the detail in the same language.
  const Error tooLong(status::kTooLong, UiText::TitleLongerThanBefore, u"1024", UiText::CharactersWord);
  EXPECT_EQ(tooLong.description(), u"Заголовок по шаблону длиннее 1024 знаков");
  EXPECT_EQ(tooLong.DescriptionIn(UiLanguage::English), u"The title made by the pattern is longer than 1024 characters");
}

}  // namespace
}  // namespace lartsen
