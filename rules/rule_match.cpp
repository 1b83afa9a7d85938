// The rules tried in order against a window's class name, title and executable name.
#include "rules/rule_match.h"

#include <string_view>

namespace lartsen {
namespace {
// A lone asterisk accepts any fact, even one that was not fetched; "**" is a pattern.
constexpr std::u16string_view kAnyCell = u"*";
}  // namespace

bool AnyRuleMatches(const ConditionsTable& table, const ConditionRow& facts, const CharacterOrder& order) {
  const auto& used = table.ConditionColumnsUsed;
  for (const ConditionRow& rule : table.Conditions) {
    bool matches = true;
    for (std::size_t column = 0; column < rule.size() && matches; ++column) {
      if (!used[column] || rule[column] == kAnyCell) continue;
      matches = LikeText(facts[column], rule[column], order);
    }
    if (matches) return true;
  }
  return false;
}

}  // namespace lartsen
