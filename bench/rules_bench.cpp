// Speed of the rules' wildcard comparison: typical rule cells, the C library's fnmatch on the
// same ASCII pairs, Cyrillic pairs, and a many-star pattern on a long text.
#include <benchmark/benchmark.h>
#include <fnmatch.h>

#include <string>
#include <vector>

#include "rules/like_text.h"
#include "support/text.h"

namespace {

struct Pair {
  const char16_t* text;
  const char16_t* pattern;
};

// Shapes the rules files hold: class names, titles, executable names. The patterns use only
// what both notations share ("*", "?", "[...]" lists and ranges).
const Pair kAsciiPairs[] = {
    {u"Notepad", u"notepad"},
    {u"NOTEPAD.EXE", u"*.exe"},
    {u"Total Commander 10.52 - Licensed", u"total commander*"},
    {u"Mozilla Firefox", u"*firefox"},
    {u"ConsoleWindowClass", u"Console*Class"},
    {u"Document1 - Microsoft Word", u"*[wW]ord*"},
    {u"Build 7 finished", u"Build [0-9] *"},
    {u"C:\\Windows\\explorer.exe", u"c:\\windows\\*.exe"},
    {u"Shell_TrayWnd", u"Shell_Tray???"},
    {u"Chrome_WidgetWin_1", u"chrome_*_[0-9]"},
};

const Pair kCyrillicPairs[] = {
    {u"Блокнот", u"БЛОКНОТ"},
    {u"Документ1 - Microsoft Word", u"документ*"},
    {u"Ёлка.txt - Блокнот", u"[а-я]*блокнот"},
    {u"Проводник", u"пр?водник"},
};

void BM_LikeTextAscii(benchmark::State& state) {
  std::vector<std::u16string> texts, patterns;
  for (const Pair& p : kAsciiPairs) {
    texts.emplace_back(p.text);
    patterns.emplace_back(p.pattern);
    if (!lartsen::LikeText(texts.back(), patterns.back())) {
      state.SkipWithError("a pair does not match");
      return;
    }
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      benchmark::DoNotOptimize(lartsen::LikeText(texts[i], patterns[i]));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}
BENCHMARK(BM_LikeTextAscii);

// fnmatch's own notation treats "\" as an escape; FNM_NOESCAPE keeps it an ordinary character
// as in the rules.
void BM_FnmatchCasefoldAscii(benchmark::State& state) {
  std::vector<std::string> texts, patterns;
  for (const Pair& p : kAsciiPairs) {
    texts.push_back(lartsen::ToUtf8(p.text));
    patterns.push_back(lartsen::ToUtf8(p.pattern));
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (fnmatch(patterns[i].c_str(), texts[i].c_str(), FNM_CASEFOLD | FNM_NOESCAPE) != 0) {
      state.SkipWithError("fnmatch disagrees on a pair");
      return;
    }
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      benchmark::DoNotOptimize(fnmatch(patterns[i].c_str(), texts[i].c_str(), FNM_CASEFOLD | FNM_NOESCAPE));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}
BENCHMARK(BM_FnmatchCasefoldAscii);

void BM_LikeTextCyrillic(benchmark::State& state) {
  for (const Pair& p : kCyrillicPairs) {
    if (!lartsen::LikeText(p.text, p.pattern)) {
      state.SkipWithError("a Cyrillic pair does not match");
      return;
    }
  }
  for (auto _ : state) {
    for (const Pair& p : kCyrillicPairs) benchmark::DoNotOptimize(lartsen::LikeText(p.text, p.pattern));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(std::size(kCyrillicPairs)));
}
BENCHMARK(BM_LikeTextCyrillic);

void BM_LikeTextManyStarsLongText(benchmark::State& state) {
  const std::u16string text(1000, u'a');
  for (auto _ : state) benchmark::DoNotOptimize(lartsen::LikeText(text, u"*a*a*a*a*a*a*a*b"));
}
BENCHMARK(BM_LikeTextManyStarsLongText)->Unit(benchmark::kMicrosecond);

// The same without a plain character at the end, so the stars have to be tried in earnest.
void BM_LikeTextManyStarsNoTail(benchmark::State& state) {
  const std::u16string text(1000, u'a');
  for (auto _ : state) benchmark::DoNotOptimize(lartsen::LikeText(text, u"*a*a*a*a*a*a*a*b*"));
}
BENCHMARK(BM_LikeTextManyStarsNoTail)->Unit(benchmark::kMicrosecond);

void BM_FnmatchManyStarsLongText(benchmark::State& state) {
  const std::string text(1000, 'a');
  for (auto _ : state) {
    benchmark::DoNotOptimize(fnmatch("*a*a*a*a*a*a*a*b", text.c_str(), FNM_CASEFOLD | FNM_NOESCAPE));
  }
}
BENCHMARK(BM_FnmatchManyStarsLongText)->Unit(benchmark::kMicrosecond);

}  // namespace
