// UTF-8 edges of the core's UTF-16 text: round trips and ill-formed input.
#include <gtest/gtest.h>

#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

TEST(TextConversion, RoundTripsCyrillicAndAstralCharacters) {
  const std::u16string text = u"Ларцен [12:00] \U0001F600 ё";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"Ёж"), "\xD0\x81\xD0\xB6");
}

TEST(TextConversion, IllFormedInputBecomesReplacementCharacter) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form of '/'
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD");        // cut short at the end
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // an encoded surrogate
  EXPECT_TRUE(IsValidUtf8("Время"));
}

TEST(ErrorTest, CarriesStatusAndDescription) {
  const Error e(status::kOverflow, u"Переполнение");
  EXPECT_EQ(e.status(), status::kOverflow);
  EXPECT_EQ(e.description(), u"Переполнение");
  EXPECT_STREQ(e.what(), "Переполнение");
}

}  // namespace
}  // namespace lartsen
