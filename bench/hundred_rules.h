// A hundred rules shaped like real ones around one window and none matching it: most fail at once
// on the class, some only on the title or the executable, so every column is compared often.
#pragma once

#include <string>

#include "rules/conditions_table.h"

namespace lartsen::bench {

// How the rules come near the window without matching it.
struct NearMisses {
  std::u16string classStart;  // the start of its class: the title fails instead
  std::u16string titleEnd;    // the end of its title: the executable fails instead
  std::u16string exeEnd;      // what follows "app<letter>?" in an executable that is not its own
  ConditionRow allButExe;     // class and title its own, the executable not
};

inline ConditionsTable HundredRules(const NearMisses& near) {
  ConditionsTable table;
  for (int i = 0; i < 100; ++i) {
    const std::u16string n(1, static_cast<char16_t>(u'A' + i % 26));
    switch (i % 4) {
      case 0: table.Conditions.push_back({u"Class" + n + u"*", u"*", u"*"}); break;
      case 1: table.Conditions.push_back({near.classStart + u"*", u"*[Пп]резентация" + n + u"*", u"*"}); break;
      case 2: table.Conditions.push_back({u"*", u"*" + near.titleEnd, u"app" + n + u"?" + near.exeEnd}); break;
      default: table.Conditions.push_back(near.allButExe); break;
    }
  }
  table.ConditionColumnsUsed = {true, true, true};
  table.ConditionsLoaded = true;
  return table;
}

}  // namespace lartsen::bench
