// The rules files loaded as the program loads them, and which windows the rules leave alone.
#pragma once

#include <string_view>

#include "rules/conditions.h"
#include "rules/file_read_port.h"
#include "rules/like_text.h"
#include "rules/list_reader.h"
#include "rules/portable_ansi.h"
#include "support/environment_port.h"
#include "support/testing/fake_messages.h"

namespace lartsen {

// A rules table loaded from the files `environment` names, with the messages the load showed.
struct LoadedRules {
  ConditionsTable table;
  FakeMessages messages;

  LoadedRules(EnvironmentPort& environment, FileReadPort& files) {
    PortableAnsiDecoder ansi;
    ListReader reader(files, ansi);
    ConditionsLoader(table, environment, reader, messages).LoadConditions();
  }

  // True when some rule matches the window; a lone "*" accepts any value.
  bool Matches(std::u16string_view className, std::u16string_view title, std::u16string_view exe) const {
    const std::u16string_view facts[3] = {className, title, exe};
    for (const auto& rule : table.Conditions) {
      bool all = true;
      for (int c = 0; c < 3 && all; ++c) {
        if (rule[c] != u"*") all = LikeText(facts[c], rule[c]);
      }
      if (all) return true;
    }
    return false;
  }
};

}  // namespace lartsen
