// Paths of the three rules files.
#include "rules/conditions_files.h"

#include "support/paths.h"

namespace lartsen {

std::u16string GetConditionsFileName(EnvironmentPort& environment) {
  const std::u16string folder = environment.ProgramFolder();
  if (environment.IsInIDE()) return JoinPath(folder, u"Output\\Conditions.INI");
  return JoinPath(folder, u"Conditions.INI");
}

std::u16string GetDebugConditionsFileName(EnvironmentPort& environment) {
  return JoinPath(environment.ProgramFolder(), u"Conditions.Debug.INI");
}

std::u16string GetOptionalConditionsFileName(EnvironmentPort& environment) {
  return JoinPath(environment.GetSpecialFolder(kCsidlAppData), u"Nerrowind\\Ларцен\\Conditions.INI");
}

}  // namespace lartsen
