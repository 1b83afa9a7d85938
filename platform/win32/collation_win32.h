// The user's locale order for the rules' bracket ranges, through the Windows collation.
#pragma once

#include "rules/like_text.h"

namespace lartsen::win32 {

// Compares single characters with CompareStringEx (CompareStringW before Vista) under the
// user's default locale, letter case
// ignored, in string sort (so "-" and "'" take part in the order instead of being skipped).
// Falls back to the portable order should the call fail.
class UserLocaleCharacterOrder final : public CharacterOrder {
 public:
  int Compare(char16_t a, char16_t b) const override;
};

// The one instance the program uses.
const CharacterOrder& UserCharacterOrder();

}  // namespace lartsen::win32
