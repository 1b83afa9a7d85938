// The rules table: one row per rule, columns class name, title, executable file name.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace lartsen {

enum ConditionColumn { kClassColumn = 0, kTitleColumn = 1, kProcessColumn = 2 };

using ConditionRow = std::array<std::u16string, 3>;

// Written only by the rules loader; read by the refresh cycle and the rule-count line.
struct ConditionsTable {
  std::vector<ConditionRow> Conditions;          // empty until the first load that yields a rule
  std::array<bool, 3> ConditionColumnsUsed{};    // a column some rule constrains (not "*")
  bool ConditionsLoaded = false;                 // never goes back to false
};

}  // namespace lartsen
