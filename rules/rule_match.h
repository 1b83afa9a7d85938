// Whether a window's facts fall under some rule of the table.
#pragma once

#include "rules/conditions_table.h"
#include "rules/like_text.h"

namespace lartsen {

// True when every cell of some rule matches its fact; a lone "*" and a column no rule
// constrains match anything, so their facts need not have been fetched.
bool AnyRuleMatches(const ConditionsTable& table, const ConditionRow& facts,
                    const CharacterOrder& order = PortableCharacterOrder());

}  // namespace lartsen
