// Opening the read-me file beside the program: the help command and F1 in the settings dialog.
#pragma once

#include <string>
#include <string_view>

#include "support/shell_port.h"
#include "support/environment_port.h"
#include "support/message_port.h"

namespace lartsen {

inline constexpr std::u16string_view kReadMeName = u"ReadMe.TXT";
inline constexpr std::u16string_view kOpenReadMeFailed = u"Не удаётся открыть файл ReadMe.TXT";

// Program folder + "ReadMe.TXT".
std::u16string GetReadMeFileName(EnvironmentPort& environment);

// Opens the file with the shell, owned by `owner`; a failed open shows the message (style 16).
// Returns whether the shell took the file. Environment errors pass to the caller.
bool OpenReadMeFile(WindowHandle owner, EnvironmentPort& environment, ShellPort& shell,
                    MessagePort& messages);

}  // namespace lartsen
