// The rules' wildcard comparison: "?", "*", "#", character lists and ranges, case ignored.
#include "rules/like_text.h"

#include <cstddef>

#include "rules/case_fold.h"

namespace lartsen {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Sort key of the portable order: folded code point, with ё right after е so that "[а-я]" and
// "[е-ж]" hold it as a Russian reader expects.
inline long PortableKey(char16_t c) {
  const char16_t folded = FoldCase(c);
  if (folded == u'ё') return 2L * u'е' + 1;
  return 2L * folded;
}

class FoldedCodePointOrder final : public CharacterOrder {
 public:
  int Compare(char16_t a, char16_t b) const override {
    const long ka = PortableKey(a);
    const long kb = PortableKey(b);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
  }
};

const FoldedCodePointOrder kPortableOrder;

// The characters with a meaning of their own in a pattern ("]" closes lists).
bool IsSpecial(char16_t c) { return c == u'*' || c == u'?' || c == u'#' || c == u'[' || c == u']'; }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The number of code units of the text character at `i`: a surrogate pair counts as one character.
std::size_t CharacterLength(std::u16string_view text, std::size_t i) {
  return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

// Whether `c` lies in the range from `first` to `last`. A reversed range holds nothing,
// whatever a particular collation says about the characters in between.
bool InRange(char16_t first, char16_t last, char16_t c, const CharacterOrder& order) {
  if (&order == &kPortableOrder) {  // the common case, without three virtual calls
    const long kf = PortableKey(first);
    const long kl = PortableKey(last);
    const long kc = PortableKey(c);
    return kf <= kl && kf <= kc && kc <= kl;
  }
  return order.Compare(first, last) <= 0 && order.Compare(first, c) <= 0 && order.Compare(c, last) <= 0;
}

// Membership of `c` in the list between `begin` and `end` (exclusive; the "[" or "!" and the
// closing "]" are outside), honouring a literal hyphen at either end and ranges elsewhere.
bool InList(std::u16string_view pattern, std::size_t begin, std::size_t end, char16_t c,
            const CharacterOrder& order) {
  const char16_t folded = FoldCase(c);
  for (std::size_t k = begin; k < end;) {
    const char16_t first = pattern[k];
    if ((first != u'-' || k == begin) && k + 2 < end && pattern[k + 1] == u'-') {
      if (InRange(first, pattern[k + 2], c, order)) return true;
      k += 3;
      continue;
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
      : text_(text), pattern_(pattern), order_(order) {}

  bool Run() {
    std::size_t t = 0;
    std::size_t p = 0;
    while (t < text_.size()) {
      if (p < pattern_.size()) {
        const char16_t e = pattern_[p];
        if (e != u'*' && e != u'?' && e != u'#' && e != u'[') {  // a plain character, the usual case
          const char16_t c = text_[t];
          if (c == e || FoldCase(c) == FoldCase(e)) {
            ++p;
            ++t;
            continue;
          }
        } else if (e == u'*' || IsEmptyList(p)) {
          bool star = false;
          p = SkipZeroWidth(p, star);
          if (star) {
            if (p == pattern_.size()) return true;  // a final star takes the rest of the text
            StartStar(p, t);
            t = star_t_;
          }
          continue;
        } else {
          std::size_t next_p = 0;
          std::size_t consumed = 0;
          if (MatchOne(p, t, next_p, consumed)) {
            p = next_p;
            t += consumed;
            continue;
          }
        }
      }
      if (star_p_ == kNone) return false;
      star_t_ = NextCandidate(star_t_ + CharacterLength(text_, star_t_));
      p = star_p_;
      t = star_t_;
    }
    // The text is used up: what is left of the pattern must be able to match nothing.
    bool star = false;
    return SkipZeroWidth(p, star) == pattern_.size();
  }

 private:
  // A "[" opens a list only when some "]" follows it: past the last "]" every "[" is literal.
  // The last "]" is looked up at the first "[" met, so patterns without lists never scan for it.
  bool ClosedAt(std::size_t open) const {
    if (!close_known_) {
      last_close_ = pattern_.rfind(u']');
      close_known_ = true;
    }
    return last_close_ != std::u16string_view::npos && last_close_ > open;
  }

  // "[]" matches zero characters.
  bool IsEmptyList(std::size_t p) const {
    return p + 1 < pattern_.size() && pattern_[p] == u'[' && pattern_[p + 1] == u']';
  }

  // Past stars and empty lists, the elements that can match zero characters; `star` tells
  // whether a star was among them.
  std::size_t SkipZeroWidth(std::size_t p, bool& star) const {
    while (p < pattern_.size()) {
      if (pattern_[p] == u'*') {
        star = true;
        ++p;
      } else if (IsEmptyList(p)) {
        p += 2;
      } else {
        break;
      }
    }
    return p;
  }

  // Remembers a star whose following element starts at `p`, to be tried from text position `t`.
  // Text positions where that element cannot match are passed over without resuming the
  // whole comparison there.
  void StartStar(std::size_t p, std::size_t t) {
    star_p_ = p;
    const char16_t next = pattern_[p];
    if (next == u'?') {
      next_kind_ = NextKind::kAny;
    } else if (next == u'#') {
      next_kind_ = NextKind::kDigit;
    } else if (next == u'[' && ClosedAt(p)) {
      next_kind_ = NextKind::kList;
      list_begin_ = p + 1;
      list_negated_ = pattern_[list_begin_] == u'!';
      if (list_negated_) ++list_begin_;
      list_end_ = pattern_.find(u']', list_begin_);
    } else {
      next_kind_ = NextKind::kLiteral;
      literal_ = FoldCase(next);
    }
    star_t_ = NextCandidate(t);
  }

  // The first text position from `t` on where the element after the last star can match.
  std::size_t NextCandidate(std::size_t t) const {
    const std::size_t size = text_.size();
    switch (next_kind_) {
      case NextKind::kAny:
        break;
      case NextKind::kDigit:
        while (t < size && (text_[t] < u'0' || text_[t] > u'9')) ++t;
        break;
      case NextKind::kLiteral:
        if (IsLowSurrogate(literal_)) {
          // A star never ends inside a pair, so a lone low surrogate in the pattern is looked
          // for only where a character starts.
          while (t < size && text_[t] != literal_) t += CharacterLength(text_, t);
        } else {
          // Inside a pair sits a low surrogate, which no other character equals: stepping by
          // code units skips nothing that could match.
          while (t < size && FoldCase(text_[t]) != literal_) ++t;
        }
        break;
      case NextKind::kList:
        while (t < size) {
          const bool pair = CharacterLength(text_, t) == 2;
          const bool member = !pair && InList(pattern_, list_begin_, list_end_, text_[t], order_);
          if (member != list_negated_) break;
          t += pair ? 2 : 1;
        }
        break;
    }
    return t;
  }

  // Tries the one-character element at pattern position `p` against the text at `t`.
  bool MatchOne(std::size_t p, std::size_t t, std::size_t& next_p, std::size_t& consumed) const {
    const char16_t element = pattern_[p];
    const char16_t c = text_[t];
    next_p = p + 1;
    consumed = 1;
    switch (element) {
      case u'?':
        consumed = CharacterLength(text_, t);
        return true;
      case u'#':
        return c >= u'0' && c <= u'9';
      case u'[':
        if (ClosedAt(p)) return MatchList(p, t, next_p, consumed);
        break;
      default:
        break;
    }
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
  mutable bool close_known_ = false;
  mutable std::size_t last_close_ = 0;
  std::size_t star_p_ = kNone;    // pattern position just after the last star seen
  std::size_t star_t_ = 0;        // text position the last star's continuation is tried from
  // What the element after the last star is: its kind, and the folded character or the list.
  enum class NextKind { kAny, kDigit, kLiteral, kList };
  NextKind next_kind_ = NextKind::kAny;
  char16_t literal_ = 0;
  std::size_t list_begin_ = 0;
  std::size_t list_end_ = 0;
  bool list_negated_ = false;
};

}  // namespace

const CharacterOrder& PortableCharacterOrder() { return kPortableOrder; }

bool LikeText(std::u16string_view Text, std::u16string_view Pattern, const CharacterOrder& order) {
  // A run of plain characters at the pattern's end can only match the same number of
  // characters at the text's end: compare it there first, which settles most mismatches
  // ("*.exe" against another extension) at once and leaves less for the matcher.
  std::size_t tail = 0;
  while (tail < Pattern.size() && !IsSpecial(Pattern[Pattern.size() - 1 - tail])) ++tail;
  // Never let the run start inside a surrogate pair, so that "?" keeps taking pairs whole.
  while (tail > 0 && IsLowSurrogate(Pattern[Pattern.size() - tail])) --tail;
  if (tail > Text.size()) return false;
  for (std::size_t i = 1; i <= tail; ++i) {
    const char16_t c = Text[Text.size() - i];
    const char16_t e = Pattern[Pattern.size() - i];
    if (c != e && FoldCase(c) != FoldCase(e)) return false;
  }
  Text.remove_suffix(tail);
  Pattern.remove_suffix(tail);
  return Matcher(Text, Pattern, order).Run();
}

}  // namespace lartsen
