// The program's language from its settings and the process environment.
#include "platform/linux/system/ui_language_linux.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace lartsen {

UiLanguage ProgramUiLanguage(const SettingsStoreFactory& makeStore) {
  return ChooseUiLanguage(makeStore, LanguageOfPosixEnvironment([](const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }));
}

}  // namespace lartsen
