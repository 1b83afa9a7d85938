// What a platform's settings dialog works with: the settings, the locale and the ports it uses.
#pragma once

#include "settings/settings.h"
#include "settings/settings_store.h"
#include "support/ui_text.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "support/random_port.h"
#include "support/shell_port.h"
#include "template/locale_info.h"

namespace lartsen {

// Every reference must outlive the dialog.
struct SettingsDialogServices {
  Settings& settings;
  const LocaleInfo& locale;
  ClockPort& clock;
  RandomPort& random;
  MemoryPort& memory;
  EnvironmentPort& environment;
  ShellPort& shell;
  SettingsStoreFactory makeStore;
  UiLanguage language = UiLanguage::Russian;  // the language the dialog speaks
};

}  // namespace lartsen
