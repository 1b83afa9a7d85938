// The rules and the stamp as every program assembles them from its platform's adapters.
#pragma once

#include <utility>

#include "engine/stamp_journal.h"
#include "engine/title_writer.h"
#include "rules/conditions.h"
#include "rules/conditions_table.h"
#include "rules/file_read_port.h"
#include "rules/list_reader.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "support/message_port.h"
#include "support/window_port.h"
#include "template/locale_info.h"
#include "template/title_format.h"

namespace lartsen {

// The rule table with its loader, the formatter that follows the settings' pattern and format,
// and the title writer that notes the stamped window in a journal kept in the settings store, so
// that the next start can give back a stamp that a killed run left.
struct RulesAndStamp {
  struct Adapters {
    EnvironmentPort& environment;
    FileReadPort& files;
    AnsiDecodePort& ansi;
    MessagePort& messages;
    WindowPort& windows;
    const LocaleInfo& locale;
    ClockPort& clock;
    MemoryPort& memory;
    UiLanguage language = UiLanguage::Russian;  // of the rules files' messages
  };

  RulesAndStamp(const Settings& settings, Adapters adapters, SettingsStoreFactory journalStore)
      : reader(adapters.files, adapters.ansi),
        loader(table, adapters.environment, reader, adapters.messages, adapters.language),
        formatter(settings.TitlePattern, settings.TimeFormat, adapters.locale, adapters.clock, adapters.memory),
        journal(std::move(journalStore)),
        writer(adapters.windows, formatter, &journal) {}

  ListReader reader;
  ConditionsTable table;
  ConditionsLoader loader;
  TitleFormatter formatter;
  StoredStampJournal journal;
  TitleWriter writer;
};

}  // namespace lartsen
