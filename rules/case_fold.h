// Simple case folding of single UTF-16 code units, the same on every host.
#pragma once

namespace lartsen {

// The table lookup behind FoldCase, for characters outside ASCII.
char16_t FoldCaseFromTable(char16_t c) noexcept;

// The character that `c` folds to (lower case for Latin, Cyrillic, Greek and the other
// bicameral scripts of the Basic Multilingual Plane); characters without a folding map to themselves.
inline char16_t FoldCase(char16_t c) noexcept {
  // ASCII is most of what class and file names hold: answer it without the table.
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  return FoldCaseFromTable(c);
}

}  // namespace lartsen
