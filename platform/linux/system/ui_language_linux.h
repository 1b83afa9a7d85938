// The language the program speaks on Linux: the "Language" setting, else the environment's.
#pragma once

#include "settings/settings_store.h"
#include "support/ui_text.h"

namespace lartsen {

// "ru"/"en" in the settings file decide; otherwise LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
UiLanguage ProgramUiLanguage(const SettingsStoreFactory& makeStore);

}  // namespace lartsen
