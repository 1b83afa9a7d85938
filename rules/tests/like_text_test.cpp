// The wildcard comparison: elements, lists, ranges, letter case, malformed patterns.
#include <gtest/gtest.h>

#include <string>

#include "rules/case_fold.h"
#include "rules/like_text.h"

namespace lartsen {
namespace {

TEST(LikeText, IgnoresLetterCaseOfLatinAndCyrillicText) {
  EXPECT_TRUE(LikeText(u"Notepad", u"NOTEPAD"));
  EXPECT_TRUE(LikeText(u"Блокнот — Документ", u"блокнот — документ"));
  EXPECT_TRUE(LikeText(u"ЁЛКА", u"ёлка"));
  EXPECT_TRUE(LikeText(u"Ωμέγα", u"ΩΜΈΓΑ"));
  EXPECT_FALSE(LikeText(u"елка", u"ёлка"));  // ё is a letter of its own, not е
  EXPECT_FALSE(LikeText(u"Notepad2", u"Notepad"));
  EXPECT_FALSE(LikeText(u"Notepad", u"Notepad2"));
}

TEST(LikeText, FoldingTableCoversTheWholeAlphabets) {
  for (char16_t c = u'A'; c <= u'Z'; ++c) EXPECT_EQ(FoldCase(c), c + 32);
  for (char16_t c = u'А'; c <= u'Я'; ++c) EXPECT_EQ(FoldCase(c), c + 32);
  EXPECT_EQ(FoldCase(u'Ё'), u'ё');
  EXPECT_EQ(FoldCase(u'Ї'), u'ї');
  EXPECT_EQ(FoldCase(u'ß'), u'ß');  // only a full folding would change it
  EXPECT_EQ(FoldCase(u'7'), u'7');
  EXPECT_EQ(FoldCase(u'\uFFFF'), u'\uFFFF');
}

TEST(LikeText, QuestionMarkStarAndNumberSign) {
  EXPECT_TRUE(LikeText(u"NOTEPAD.EXE", u"*.exe"));
  EXPECT_TRUE(LikeText(u".exe", u"*.exe"));
  EXPECT_FALSE(LikeText(u"notepad.exe.lnk", u"*.exe"));
  EXPECT_TRUE(LikeText(u"Total Commander", u"Total*"));
  EXPECT_TRUE(LikeText(u"Total", u"Total*"));
  EXPECT_TRUE(LikeText(u"abc", u"a?c"));
  EXPECT_FALSE(LikeText(u"ac", u"a?c"));
  EXPECT_FALSE(LikeText(u"abbc", u"a?c"));
  EXPECT_TRUE(LikeText(u"Win7", u"Win#"));
  EXPECT_FALSE(LikeText(u"WinX", u"Win#"));
  EXPECT_FALSE(LikeText(u"Win٣", u"Win#"));  // only 0 to 9
  EXPECT_TRUE(LikeText(u"a*b?c#", u"a*b*"));
  EXPECT_TRUE(LikeText(u"mississippi", u"m*iss*pi"));
  EXPECT_FALSE(LikeText(u"mississippi", u"m*iss*pix"));
  EXPECT_TRUE(LikeText(u"C:\\Program Files\\x.exe", u"c:\\program files\\*"));
}

TEST(LikeText, EmptyPatternAndEmptyText) {
  EXPECT_TRUE(LikeText(u"", u""));
  EXPECT_FALSE(LikeText(u"x", u""));
  EXPECT_TRUE(LikeText(u"", u"*"));
  EXPECT_TRUE(LikeText(u"", u"***"));
  EXPECT_FALSE(LikeText(u"", u"?"));
  EXPECT_FALSE(LikeText(u"", u"*a"));
}

TEST(LikeText, ListsAndNegatedLists) {
  EXPECT_TRUE(LikeText(u"b", u"[abc]"));
  EXPECT_TRUE(LikeText(u"B", u"[abc]"));
  EXPECT_FALSE(LikeText(u"d", u"[abc]"));
  EXPECT_TRUE(LikeText(u"d", u"[!abc]"));
  EXPECT_FALSE(LikeText(u"A", u"[!abc]"));
  EXPECT_TRUE(LikeText(u"x", u"[!0-9]"));
  EXPECT_FALSE(LikeText(u"5", u"[!0-9]"));
  EXPECT_FALSE(LikeText(u"", u"[!0-9]"));
  EXPECT_TRUE(LikeText(u"a!", u"a[x!]"));  // a "!" that does not lead is a member
  EXPECT_TRUE(LikeText(u"]", u"]"));        // "]" outside a list is a plain character
}

TEST(LikeText, RangesIncludingCyrillicWithYo) {
  EXPECT_TRUE(LikeText(u"Build 7", u"Build [0-9]"));
  EXPECT_FALSE(LikeText(u"Build x", u"Build [0-9]"));
  EXPECT_TRUE(LikeText(u"Q", u"[a-z]"));
  EXPECT_TRUE(LikeText(u"ж", u"[А-Я]"));
  EXPECT_TRUE(LikeText(u"ё", u"[а-я]"));
  EXPECT_TRUE(LikeText(u"Ё", u"[а-я]"));
  EXPECT_TRUE(LikeText(u"ё", u"[е-ж]"));   // ё sorts between е and ж
  EXPECT_FALSE(LikeText(u"ё", u"[а-е]"));
  EXPECT_FALSE(LikeText(u"ё", u"[ж-я]"));
  EXPECT_FALSE(LikeText(u"z", u"[а-я]"));
}

TEST(LikeText, HyphenFirstOrLastIsLiteral) {
  EXPECT_TRUE(LikeText(u"-", u"[-a]"));
  EXPECT_TRUE(LikeText(u"-", u"[a-]"));
  EXPECT_TRUE(LikeText(u"-", u"[!-a]") == false);
  EXPECT_TRUE(LikeText(u"b", u"[!-a]"));
  EXPECT_FALSE(LikeText(u"b", u"[a-]"));
  EXPECT_TRUE(LikeText(u"x-y", u"x[-]y"));
}

TEST(LikeText, WildcardCharactersInBracketsAreLiteral) {
  EXPECT_TRUE(LikeText(u"a*b", u"a[*]b"));
  EXPECT_FALSE(LikeText(u"axb", u"a[*]b"));
  EXPECT_TRUE(LikeText(u"why?", u"why[?]"));
  EXPECT_FALSE(LikeText(u"whyx", u"why[?]"));
  EXPECT_TRUE(LikeText(u"#1", u"[#]#"));
  EXPECT_TRUE(LikeText(u"[x]", u"[[]x]"));
  EXPECT_FALSE(LikeText(u"x", u"[[]x"));
}

TEST(LikeText, MalformedPatternsAreHandledPredictably) {
  // An unclosed "[" stands for itself.
  EXPECT_TRUE(LikeText(u"[abc", u"[abc"));
  EXPECT_TRUE(LikeText(u"x[1", u"x[#"));
  EXPECT_FALSE(LikeText(u"a", u"[a"));
  EXPECT_TRUE(LikeText(u"a[b", u"a[*"));
  // A reversed range contains nothing.
  EXPECT_FALSE(LikeText(u"m", u"[z-a]"));
  EXPECT_FALSE(LikeText(u"a", u"[z-a]"));
  EXPECT_TRUE(LikeText(u"m", u"[!z-a]"));
  // "[]" inside a longer pattern matches zero characters.
  EXPECT_TRUE(LikeText(u"ab", u"a[]b"));
  EXPECT_FALSE(LikeText(u"axb", u"a[]b"));
  EXPECT_TRUE(LikeText(u"a", u"a[]"));
  EXPECT_TRUE(LikeText(u"a", u"a*[]*"));
}

TEST(LikeText, SurrogatePairIsOneCharacter) {
  const std::u16string smile = u"\U0001F600";
  EXPECT_TRUE(LikeText(smile, u"?"));
  EXPECT_FALSE(LikeText(smile, u"??"));
  EXPECT_TRUE(LikeText(u"a" + smile + u"b", u"a?b"));
  EXPECT_TRUE(LikeText(u"a" + smile, u"*?"));
  EXPECT_TRUE(LikeText(smile, u"[!a]"));
  EXPECT_TRUE(LikeText(u"x" + smile + u"y", u"X" + smile + u"Y"));
  // A star does not stop halfway through a pair, whatever follows it in the pattern.
  const std::u16string low(1, smile[1]);
  EXPECT_FALSE(LikeText(smile, u"*[" + low + u"]"));
  EXPECT_FALSE(LikeText(smile + u"x", u"*" + low + u"x"));
  EXPECT_TRUE(LikeText(smile, smile.substr(0, 1) + u"*" + low));  // the pair split by the pattern itself
}

TEST(LikeText, PlainEndingIsComparedLikeTheRest) {
  EXPECT_FALSE(LikeText(u"abc", u"abcd"));
  EXPECT_TRUE(LikeText(u"a]", u"[a]]"));   // the list, then a literal "]"
  EXPECT_TRUE(LikeText(u"b]", u"[!a]]"));
  EXPECT_FALSE(LikeText(u"a]", u"[!a]]"));
  EXPECT_TRUE(LikeText(u"Отчёт.DOCX", u"*.docx"));
  // A lone low surrogate at the end of a pattern does not split a pair that "?" takes whole.
  EXPECT_FALSE(LikeText(u"\U0001F600", std::u16string(u"?") + char16_t(0xDE00)));
}

TEST(LikeText, ManyStarsOnLongTextStillDecide) {
  const std::u16string text(1000, u'a');
  EXPECT_FALSE(LikeText(text, u"*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(LikeText(text + u"b", u"*a*a*a*a*a*a*a*b"));
  EXPECT_FALSE(LikeText(text, u"*a*a*a*a*a*a*a*b*"));
  EXPECT_TRUE(LikeText(text + u"bx", u"*a*a*a*a*a*a*a*b?"));
}

// An order that inverts the alphabet, standing for a host collation unlike code point order.
class ReversedOrder final : public CharacterOrder {
 public:
  int Compare(char16_t a, char16_t b) const override {
    a = FoldCase(a);
    b = FoldCase(b);
    return a < b ? 1 : (a > b ? -1 : 0);
  }
};

TEST(LikeText, RangesFollowTheGivenOrder) {
  const ReversedOrder order;
  EXPECT_TRUE(LikeText(u"m", u"[z-a]", order));
  EXPECT_FALSE(LikeText(u"m", u"[a-z]", order));
  EXPECT_TRUE(LikeText(u"M", u"m", order));  // single characters still compare by folding
}

}  // namespace
}  // namespace lartsen
