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

TEST(TextConversion, EachEncodingLengthAtItsBoundaries) {
  const struct {
    char32_t code;
    const char* utf8;
  } cases[] = {{0x7F, "\x7F"},
               {0x80, "\xC2\x80"},
               {0x7FF, "\xDF\xBF"},
               {0x800, "\xE0\xA0\x80"},
               {0xFFFF, "\xEF\xBF\xBF"},
               {0x10000, "\xF0\x90\x80\x80"},
               {0x10FFFF, "\xF4\x8F\xBF\xBF"}};
  for (const auto& c : cases) {
    std::u16string utf16;
    if (c.code < 0x10000) {
      utf16 = std::u16string(1, static_cast<char16_t>(c.code));
    } else {
      utf16 = {static_cast<char16_t>(0xD800 + ((c.code - 0x10000) >> 10)),
               static_cast<char16_t>(0xDC00 + ((c.code - 0x10000) & 0x3FF))};
    }
    EXPECT_EQ(ToUtf8(utf16), c.utf8) << std::hex << static_cast<unsigned>(c.code);
    EXPECT_EQ(FromUtf8(c.utf8), utf16) << std::hex << static_cast<unsigned>(c.code);
    EXPECT_TRUE(IsValidUtf8(c.utf8));
  }
  EXPECT_EQ(FromUtf8(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));  // NUL is text too
}

TEST(TextConversion, UnpairedSurrogatesAreReplacedOneByOneAndTheRestKept) {
  EXPECT_EQ(ToUtf8(u"a\xD800"), "a\xEF\xBF\xBD");                      // high at the end
  EXPECT_EQ(ToUtf8(u"\xD800z"), "\xEF\xBF\xBDz");                      // high before a letter
  EXPECT_EQ(ToUtf8(u"\xDC00\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD");      // a pair the wrong way round
  EXPECT_EQ(ToUtf8(u"\xD800\xD83D\xDE00"), "\xEF\xBF\xBD\xF0\x9F\x98\x80");  // a pair after a lone high
}

TEST(TextConversion, EveryKindOfIllFormedUtf8IsRefusedAndReplaced) {
  const struct {
    const char* bytes;
    std::u16string_view text;
  } cases[] = {
      {"\x80z", u"\uFFFDz"},                     // a continuation byte alone
      {"\xF0\x9F\x98z", u"\uFFFDz"},             // a four-byte sequence cut short
      {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // five-byte forms do not exist
      {"\xF4\x90\x80\x80", u"\uFFFD"},          // above U+10FFFF
      {"\xE0\x80\xAF", u"\uFFFD"},               // overlong three-byte form
      {"\xED\xB0\x80", u"\uFFFD"},               // an encoded low surrogate
      {"\xC3", u"\uFFFD"},                       // cut short at the very end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.bytes;
    EXPECT_FALSE(IsValidUtf8(c.bytes)) << c.bytes;
  }
}

TEST(ErrorTest, CarriesStatusAndDescription) {
  const Error e(status::kOverflow, u"Переполнение");
  EXPECT_EQ(e.status(), status::kOverflow);
  EXPECT_EQ(e.description(), u"Переполнение");
  EXPECT_STREQ(e.what(), "Переполнение");
}

}  // namespace
}  // namespace lartsen
