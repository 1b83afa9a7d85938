// The one case-insensitive wildcard comparison of the rules.
#pragma once

#include <string_view>

namespace lartsen {

// The order of characters in bracket ranges: the user's locale order with letter case ignored.
class CharacterOrder {
 public:
  virtual ~CharacterOrder() = default;
  // Negative, zero or positive as `a` sorts before, with or after `b`.
  virtual int Compare(char16_t a, char16_t b) const = 0;
};

// Case-folded code point order with Ё/ё right after Е/е: the order on hosts without a platform one.
const CharacterOrder& PortableCharacterOrder();

// True when the whole of `Text` matches the whole of `Pattern` ("?", "*", "#", "[list]",
// "[!list]", ranges). Stateless, allocation-free, linear in the worst case.
bool LikeText(std::u16string_view Text, std::u16string_view Pattern,
              const CharacterOrder& order = PortableCharacterOrder());

}  // namespace lartsen
