// Fuzzes the wildcard comparison against a plain dynamic-programming matcher written from the
// notation's rules, so the fast paths of the real one (plain endings, skipping to candidates,
// the greedy star) must agree with the obvious reading of every pattern.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "rules/case_fold.h"
#include "rules/like_text.h"

namespace {

enum class Kind { kStar, kAny, kDigit, kList, kEmpty, kChar };

struct Element {
  Kind kind;
  char16_t c = 0;
  std::u16string list;  // members as written, "!" taken off
  bool negated = false;
};

long Key(char16_t c) {
  const char16_t f = lartsen::FoldCase(c);
  return f == u'ё' ? 2L * u'е' + 1 : 2L * f;
}

bool InList(const Element& e, char16_t c) {
  const std::u16string& l = e.list;
  for (std::size_t k = 0; k < l.size();) {
    if ((l[k] != u'-' || k == 0) && k + 2 < l.size() && l[k + 1] == u'-') {
      if (Key(l[k]) <= Key(l[k + 2]) && Key(l[k]) <= Key(c) && Key(c) <= Key(l[k + 2])) return true;
      k += 3;
    } else {
      if (lartsen::FoldCase(l[k]) == lartsen::FoldCase(c)) return true;
      ++k;
    }
  }
  return false;
}

std::vector<Element> Parse(const std::u16string& p) {
  std::vector<Element> out;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const char16_t c = p[i];
    if (c == u'*') {
      out.push_back({Kind::kStar});
    } else if (c == u'?') {
      out.push_back({Kind::kAny});
    } else if (c == u'#') {
      out.push_back({Kind::kDigit});
    } else if (c == u'[' && p.find(u']', i + 1) != std::u16string::npos) {
      const std::size_t close = p.find(u']', i + 1);
      Element e{Kind::kList};
      std::size_t b = i + 1;
      if (close == b) {
        e.kind = Kind::kEmpty;
      } else {
        if (p[b] == u'!') {
          e.negated = true;
          ++b;
        }
        e.list = p.substr(b, close - b);
      }
      out.push_back(e);
      i = close;
    } else {
      out.push_back({Kind::kChar, c});
    }
  }
  return out;
}

bool IsPair(const std::u16string& t, std::size_t i) {
  return t[i] >= 0xD800 && t[i] <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF;
}

// ok[e][i]: elements from e on match the text from i on.
bool Reference(const std::u16string& text, const std::u16string& pattern) {
  const std::vector<Element> els = Parse(pattern);
  const std::size_t n = text.size();
  std::vector<std::vector<char>> ok(els.size() + 1, std::vector<char>(n + 1, 0));
  ok[els.size()][n] = 1;
  for (std::size_t e = els.size(); e-- > 0;) {
    for (std::size_t i = n + 1; i-- > 0;) {
      const Element& el = els[e];
      bool r = false;
      const std::size_t len = i < n ? (IsPair(text, i) ? 2 : 1) : 0;
      switch (el.kind) {
        case Kind::kStar:
          r = ok[e + 1][i] || (i < n && ok[e][i + len]);  // a star takes a pair whole
          break;
        case Kind::kEmpty:
          r = ok[e + 1][i];
          break;
        case Kind::kAny:
          r = i < n && ok[e + 1][i + len];
          break;
        case Kind::kDigit:
          r = i < n && text[i] >= u'0' && text[i] <= u'9' && ok[e + 1][i + 1];
          break;
        case Kind::kList:
          r = i < n && (len == 2 ? el.negated : InList(el, text[i]) != el.negated) && ok[e + 1][i + len];
          break;
        case Kind::kChar:
          r = i < n && lartsen::FoldCase(text[i]) == lartsen::FoldCase(el.c) && ok[e + 1][i + 1];
          break;
      }
      ok[e][i] = r;
    }
  }
  return ok[0][0];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Input: UTF-16 code units; the first unit 0x0000 splits pattern from text.
  if (size > 512) return 0;
  std::u16string units;
  for (std::size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  const std::size_t split = units.find(u'\0');
  const std::u16string pattern = units.substr(0, split);
  const std::u16string text = split == std::u16string::npos ? std::u16string() : units.substr(split + 1);

  if (lartsen::LikeText(text, pattern) != Reference(text, pattern)) std::abort();
  return 0;
}
