// Opening the read-me file beside the program: the help command and F1 in the settings dialog.
#include "settings/read_me_file.h"

#include "support/paths.h"

namespace lartsen {

std::u16string GetReadMeFileName(EnvironmentPort& environment) {
  return JoinPath(environment.ProgramFolder(), kReadMeName);
}

bool OpenReadMeFile(WindowHandle owner, EnvironmentPort& environment, ShellPort& shell,
                    MessagePort& messages) {
  if (shell.OpenDocument(owner, GetReadMeFileName(environment), u"")) return true;
  messages.ShowMessage(kOpenReadMeFailed, message_style::kCritical);
  return false;
}

}  // namespace lartsen
