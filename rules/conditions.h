// Loading of the rules files into the rules table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/conditions_table.h"
#include "rules/list_reader.h"
#include "support/environment_port.h"
#include "support/message_port.h"
#include "support/ui_text.h"

namespace lartsen {

// The message shown for a rules file whose value count is not a multiple of three.
std::u16string ConditionsCountMessage(std::u16string_view FileName,
                                      UiLanguage language = UiLanguage::Russian);
// The error for a rules file that exists but cannot be read, in the same kind of box.
std::u16string ConditionsUnreadableMessage(std::u16string_view FileName, std::u16string_view reason,
                                           UiLanguage language = UiLanguage::Russian);

class ConditionsLoader {
 public:
  // `table` is the program's one rules table, which only this loader writes. `environment`
  // gives the program and application-data folders, `reader` reads the files, `messages`
  // shows the multiple-of-three error. All four must outlive the loader; none is owned.
  ConditionsLoader(ConditionsTable& table, EnvironmentPort& environment, ListReader& reader,
                   MessagePort& messages, UiLanguage language = UiLanguage::Russian)
      : table_(table), environment_(environment), reader_(reader), messages_(messages), language_(language) {}

  // Reads the main, debug and per-user rules files in that order and, when they yield at
  // least one rule, replaces the table and its flags in one step. A load that yields none, or
  // that throws part way (an environment failure), leaves the previous table in force.
  void LoadConditions();

  // Appends the values of one file to `Lines`; a file that cannot be read adds nothing
  // silently, one whose value count is not a multiple of three adds nothing and is reported.
  void ReadConditionsFile(const std::u16string& FileName, std::vector<std::u16string>& Lines);

  std::u16string GetConditionsFileName();
  std::u16string GetDebugConditionsFileName();
  std::u16string GetOptionalConditionsFileName();

 private:
  ConditionsTable& table_;
  EnvironmentPort& environment_;
  ListReader& reader_;
  MessagePort& messages_;
  UiLanguage language_;  // of the messages
};

}  // namespace lartsen
