// The rules' wildcard comparison: "?", "*", "#", character lists and ranges, case ignored.
#include "rules/like_text.h"

#include <cstddef>

#include "rules/case_fold.h"

namespace lartsen {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Folded code point order, with ё right after е so that "[а-я]" and "[е-ж]" hold it as a
// Russian reader expects.
class FoldedCodePointOrder final : public CharacterOrder {
 public:
  int Compare(char16_t a, char16_t b) const override {
    const long ka = Key(a);
    const long kb = Key(b);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
  }

 private:
  static long Key(char16_t c) {
    const char16_t folded = FoldCase(c);
    if (folded == u'ё') return 2L * u'е' + 1;
    return 2L * folded;
  }
};

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The number of code units of the text character at `i`: a surrogate pair counts as one character.
std::size_t CharacterLength(std::u16string_view text, std::size_t i) {
  return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

// Membership of `c` in the list between `begin` and `end` (exclusive; the "[" or "!" and the
// closing "]" are outside), honouring literal hyphens at either end and ranges elsewhere.
bool InList(std::u16string_view pattern, std::size_t begin, std::size_t end, char16_t c,
            const CharacterOrder& order) {
  const char16_t folded = FoldCase(c);
  for (std::size_t k = begin; k < end;) {
    const char16_t first = pattern[k];
    if (first != u'-' || k == begin) {
      if (k + 2 < end && pattern[k + 1] == u'-') {
        const char16_t last = pattern[k + 2];
        // A reversed range holds nothing, whatever a particular collation says in between.
        if (order.Compare(first, last) <= 0 && order.Compare(first, c) <= 0 &&
            order.Compare(c, last) <= 0) {
          return true;
        }
        k += 3;
        continue;
      }
    }
    if (FoldCase(first) == folded) return true;
    ++k;
  }
  return false;
}

// Matches a text with a pattern by the greedy star method: only the last star seen is resumed,
// one character further each time, which bounds the work by text length times pattern length.
class Matcher {
 public:
  Matcher(std::u16string_view text, std::u16string_view pattern, const CharacterOrder& order)
      : text_(text), pattern_(pattern), order_(order) {
    // A "[" is a list only when some "]" follows it; past the last "]" every "[" is literal.
    last_close_ = pattern.rfind(u']');
  }

  bool Run() {
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t star_p = kNone;
    std::size_t star_t = 0;
    while (t < text_.size()) {
      p = SkipEmptyLists(p);
      if (p < pattern_.size()) {
        if (pattern_[p] == u'*') {
          star_p = ++p;
          star_t = t;
          continue;
        }
        std::size_t next_p = 0;
        std::size_t consumed = 0;
        if (MatchOne(p, t, next_p, consumed)) {
          p = next_p;
          t += consumed;
          continue;
        }
      }
      if (star_p == kNone) return false;
      p = star_p;
      star_t += CharacterLength(text_, star_t);
      t = star_t;
    }
    // The text is used up: what is left of the pattern must be able to match nothing.
    for (p = SkipEmptyLists(p); p < pattern_.size() && pattern_[p] == u'*'; p = SkipEmptyLists(p + 1)) {
    }
    return p == pattern_.size();
  }

 private:
  bool ClosedAt(std::size_t open) const { return last_close_ != std::u16string_view::npos && last_close_ > open; }

  // "[]" matches zero characters.
  std::size_t SkipEmptyLists(std::size_t p) const {
    while (p + 1 < pattern_.size() && pattern_[p] == u'[' && pattern_[p + 1] == u']') p += 2;
    return p;
  }

  // Tries the one-character element at pattern position `p` against the text at `t`.
  bool MatchOne(std::size_t p, std::size_t t, std::size_t& next_p, std::size_t& consumed) const {
    const char16_t element = pattern_[p];
    const char16_t c = text_[t];
    switch (element) {
      case u'?':
        next_p = p + 1;
        consumed = CharacterLength(text_, t);
        return true;
      case u'#':
        next_p = p + 1;
        consumed = 1;
        return c >= u'0' && c <= u'9';
      case u'[':
        if (ClosedAt(p)) return MatchList(p, t, next_p, consumed);
        break;
      default:
        break;
    }
    next_p = p + 1;
    consumed = 1;
    return c == element || FoldCase(c) == FoldCase(element);
  }

  bool MatchList(std::size_t open, std::size_t t, std::size_t& next_p, std::size_t& consumed) const {
    std::size_t begin = open + 1;
    const bool negated = pattern_[begin] == u'!';
    if (negated) ++begin;
    const std::size_t close = pattern_.find(u']', begin);
    next_p = close + 1;
    consumed = CharacterLength(text_, t);
    if (consumed == 2) return negated;  // a character beyond the plane is no list member
    return InList(pattern_, begin, close, text_[t], order_) != negated;
  }

  std::u16string_view text_;
  std::u16string_view pattern_;
  const CharacterOrder& order_;
  std::size_t last_close_;
};

}  // namespace

const CharacterOrder& PortableCharacterOrder() {
  static const FoldedCodePointOrder order;
  return order;
}

bool LikeText(std::u16string_view Text, std::u16string_view Pattern, const CharacterOrder& order) {
  return Matcher(Text, Pattern, order).Run();
}

}  // namespace lartsen
