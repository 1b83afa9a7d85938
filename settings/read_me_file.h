// Opening the read-me file beside the program: the help command and F1 in the settings dialog.
#pragma once

#include <string>
#include <string_view>

#include "support/shell_port.h"
#include "support/environment_port.h"
#include "support/message_port.h"
#include "support/ui_text.h"

namespace lartsen {

inline constexpr std::u16string_view kReadMeName = u"ReadMe.TXT";  // the Russian one
inline constexpr std::u16string_view kEnglishReadMeName = u"ReadMe.en.TXT";

// The name of the read-me file written in `language`.
std::u16string_view ReadMeNameOf(UiLanguage language);

// Program folder + the read-me file's name in `language`.
std::u16string GetReadMeFileName(EnvironmentPort& environment, UiLanguage language = UiLanguage::Russian);

// "Не удаётся открыть файл ReadMe.TXT", in `language` and naming `fileName`.
std::u16string OpenReadMeFailedMessage(std::u16string_view fileName, UiLanguage language = UiLanguage::Russian);

// Opens the read-me file in `language` with the shell, owned by `owner`. When the English file
// is missing (or the shell refuses it), the Russian one is better than nothing. A failed open
// shows the message (style 16) naming the file of `language`. Returns whether the shell took a
// file. Environment errors pass to the caller.
bool OpenReadMeFile(WindowHandle owner, EnvironmentPort& environment, ShellPort& shell,
                    MessagePort& messages, UiLanguage language = UiLanguage::Russian);

}  // namespace lartsen
