// Where the three rules files lie: the program's own, the debug one and the user's.
#pragma once

#include <string>

#include "support/environment_port.h"

namespace lartsen {

// Program folder + "Conditions.INI" ("Output\Conditions.INI" in a developer build).
std::u16string GetConditionsFileName(EnvironmentPort& environment);
// Program folder + "Conditions.Debug.INI", in either kind of build.
std::u16string GetDebugConditionsFileName(EnvironmentPort& environment);
// Application-data folder + "Nerrowind\Ларцен\Conditions.INI": the rules the user edits.
std::u16string GetOptionalConditionsFileName(EnvironmentPort& environment);

}  // namespace lartsen
