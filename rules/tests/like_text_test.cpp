// The wildcard comparison: elements, lists, ranges, letter case, malformed patterns.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rules/case_fold.h"
#include "rules/like_text.h"
#include "support/text.h"

namespace lartsen {
namespace {

// A pattern with texts it must accept and texts it must reject.
struct Verdicts {
  std::u16string pattern;
  std::vector<std::u16string> accepts, rejects;
};

void ExpectVerdicts(const std::vector<Verdicts>& cases, const CharacterOrder& order = PortableCharacterOrder()) {
  for (const Verdicts& c : cases) {
    for (const auto& text : c.accepts) EXPECT_TRUE(LikeText(text, c.pattern, order)) << ToUtf8(text + u" ~ " + c.pattern);
    for (const auto& text : c.rejects) EXPECT_FALSE(LikeText(text, c.pattern, order)) << ToUtf8(text + u" ~ " + c.pattern);
  }
}

TEST(LikeText, IgnoresLetterCaseOfLatinAndCyrillicText) {
  ExpectVerdicts({
      {u"NOTEPAD", {u"Notepad"}, {}},
      {u"блокнот — документ", {u"Блокнот — Документ"}, {}},
      {u"ёлка", {u"ЁЛКА"}, {u"елка"}},  // ё is a letter of its own, not е
      {u"ΩΜΈΓΑ", {u"Ωμέγα"}, {}},
      {u"Notepad", {}, {u"Notepad2"}},
      {u"Notepad2", {}, {u"Notepad"}},
  });
}

TEST(LikeText, FoldingTableCoversTheWholeAlphabets) {
  for (char16_t c = u'A'; c <= u'Z'; ++c) EXPECT_EQ(FoldCase(c), c + 32);
  for (char16_t c = u'А'; c <= u'Я'; ++c) EXPECT_EQ(FoldCase(c), c + 32);
  // ß stays: only a full folding would change it.
  const std::pair<char16_t, char16_t> folds[] = {{u'Ё', u'ё'}, {u'Ї', u'ї'}, {u'ß', u'ß'}, {u'7', u'7'}, {u'\uFFFF', u'\uFFFF'}};
  for (const auto& [c, folded] : folds) EXPECT_EQ(FoldCase(c), folded) << int(c);
}

TEST(LikeText, QuestionMarkStarAndNumberSign) {
  ExpectVerdicts({
      {u"*.exe", {u"NOTEPAD.EXE", u".exe"}, {u"notepad.exe.lnk"}},
      {u"Total*", {u"Total Commander", u"Total"}, {}},
      {u"a?c", {u"abc"}, {u"ac", u"abbc"}},
      {u"Win#", {u"Win7"}, {u"WinX", u"Win٣"}},  // only 0 to 9
      {u"a*b*", {u"a*b?c#"}, {}},
      {u"m*iss*pi", {u"mississippi"}, {}},
      {u"m*iss*pix", {}, {u"mississippi"}},
      {u"c:\\program files\\*", {u"C:\\Program Files\\x.exe"}, {}},
  });
}

TEST(LikeText, EmptyPatternAndEmptyText) {
  ExpectVerdicts({{u"", {u""}, {u"x"}}, {u"*", {u""}, {}}, {u"***", {u""}, {}}, {u"?", {}, {u""}}, {u"*a", {}, {u""}}});
}

TEST(LikeText, ListsAndNegatedLists) {
  ExpectVerdicts({
      {u"[abc]", {u"b", u"B"}, {u"d"}},
      {u"[!abc]", {u"d"}, {u"A"}},
      {u"[!0-9]", {u"x"}, {u"5", u""}},
      {u"a[x!]", {u"a!"}, {}},  // a "!" that does not lead is a member
      {u"]", {u"]"}, {}},        // "]" outside a list is a plain character
  });
}

TEST(LikeText, RangesIncludingCyrillicWithYo) {
  ExpectVerdicts({
      {u"Build [0-9]", {u"Build 7"}, {u"Build x"}},
      {u"[a-z]", {u"Q"}, {}},
      {u"[А-Я]", {u"ж"}, {}},
      {u"[а-я]", {u"ё", u"Ё"}, {u"z"}},
      {u"[е-ж]", {u"ё"}, {}},  // ё sorts between е and ж
      {u"[а-е]", {}, {u"ё"}},
      {u"[ж-я]", {}, {u"ё"}},
  });
}

TEST(LikeText, HyphenFirstOrLastIsLiteral) {
  ExpectVerdicts({{u"[-a]", {u"-"}, {}}, {u"[a-]", {u"-"}, {u"b"}}, {u"[!-a]", {u"b"}, {u"-"}}, {u"x[-]y", {u"x-y"}, {}}});
}

TEST(LikeText, WildcardCharactersInBracketsAreLiteral) {
  ExpectVerdicts({
      {u"a[*]b", {u"a*b"}, {u"axb"}},
      {u"why[?]", {u"why?"}, {u"whyx"}},
      {u"[#]#", {u"#1"}, {}},
      {u"[[]x]", {u"[x]"}, {}},
      {u"[[]x", {}, {u"x"}},
  });
}

TEST(LikeText, MalformedPatternsAreHandledPredictably) {
  ExpectVerdicts({
      // An unclosed "[" stands for itself.
      {u"[abc", {u"[abc"}, {}},
      {u"x[#", {u"x[1"}, {}},
      {u"[a", {}, {u"a"}},
      {u"a[*", {u"a[b"}, {}},
      // A reversed range contains nothing.
      {u"[z-a]", {}, {u"m", u"a"}},
      {u"[!z-a]", {u"m"}, {}},
      // "[]" inside a longer pattern matches zero characters.
      {u"a[]b", {u"ab"}, {u"axb"}},
      {u"a[]", {u"a"}, {}},
      {u"a*[]*", {u"a"}, {}},
  });
}

TEST(LikeText, SurrogatePairIsOneCharacter) {
  const std::u16string smile = u"\U0001F600";
  const std::u16string low(1, smile[1]);
  ExpectVerdicts({
      {u"?", {smile}, {}},
      {u"??", {}, {smile}},
      {u"a?b", {u"a" + smile + u"b"}, {}},
      {u"*?", {u"a" + smile}, {}},
      {u"[!a]", {smile}, {}},
      {u"X" + smile + u"Y", {u"x" + smile + u"y"}, {}},
      // A star does not stop halfway through a pair, whatever follows it in the pattern.
      {u"*[" + low + u"]", {}, {smile}},
      {u"*" + low + u"x", {}, {smile + u"x"}},
      {smile.substr(0, 1) + u"*" + low, {smile}, {}},  // the pair split by the pattern itself
  });
}

TEST(LikeText, PlainEndingIsComparedLikeTheRest) {
  ExpectVerdicts({
      {u"abcd", {}, {u"abc"}},
      {u"[a]]", {u"a]"}, {}},  // the list, then a literal "]"
      {u"[!a]]", {u"b]"}, {u"a]"}},
      {u"*.docx", {u"Отчёт.DOCX"}, {}},
      // A lone low surrogate at the end of a pattern does not split a pair that "?" takes whole.
      {std::u16string(u"?") + char16_t(0xDE00), {}, {u"\U0001F600"}},
  });
}

TEST(LikeText, ManyStarsOnLongTextStillDecide) {
  const std::u16string text(1000, u'a');
  ExpectVerdicts({{u"*a*a*a*a*a*a*a*b", {text + u"b"}, {text}}, {u"*a*a*a*a*a*a*a*b*", {}, {text}},
                  {u"*a*a*a*a*a*a*a*b?", {text + u"bx"}, {}}});
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
  // Single characters still compare by folding.
  ExpectVerdicts({{u"[z-a]", {u"m"}, {}}, {u"[a-z]", {}, {u"m"}}, {u"m", {u"M"}, {}}}, ReversedOrder());
}

}  // namespace
}  // namespace lartsen
