// The rules files loaded as the program loads them, and which windows the rules leave alone.
#pragma once

#include <string>
#include <string_view>

#include "rules/conditions.h"
#include "rules/file_read_port.h"
#include "rules/list_reader.h"
#include "rules/portable_ansi.h"
#include "rules/rule_match.h"
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

  // True when some rule matches the window, as the refresh cycle tries them.
  bool Matches(std::u16string_view className, std::u16string_view title, std::u16string_view exe) const {
    return AnyRuleMatches(table, {std::u16string(className), std::u16string(title), std::u16string(exe)});
  }
};

}  // namespace lartsen
