// Simple case folding through the generated two-stage table.
#include "rules/case_fold.h"

namespace lartsen {
namespace {
#include "rules/case_fold_table.inc"
}  // namespace

char16_t FoldCaseFromTable(char16_t c) noexcept {
  const unsigned block = kCaseFoldStage1[c >> kCaseFoldBlockBits];
  const unsigned delta = kCaseFoldStage2[block][c & ((1u << kCaseFoldBlockBits) - 1)];
  return static_cast<char16_t>(c + delta);
}

}  // namespace lartsen
