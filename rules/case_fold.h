// Simple case folding of single UTF-16 code units, the same on every host.
#pragma once

namespace lartsen {

// The character that `c` folds to (lower case for Latin, Cyrillic, Greek and the other
// bicameral scripts of the Basic Multilingual Plane); characters without a folding map to themselves.
char16_t FoldCase(char16_t c) noexcept;

}  // namespace lartsen
