// Opening the read-me file beside the program: the help command and F1 in the settings dialog.
#include "settings/read_me_file.h"

#include "support/paths.h"

namespace lartsen {

std::u16string_view ReadMeNameOf(UiLanguage language) {
  return language == UiLanguage::English ? kEnglishReadMeName : kReadMeName;
}

std::u16string GetReadMeFileName(EnvironmentPort& environment, UiLanguage language) {
  return JoinPath(environment.ProgramFolder(), ReadMeNameOf(language));
}

std::u16string OpenReadMeFailedMessage(std::u16string_view fileName, UiLanguage language) {
  return std::u16string(TextOf(UiText::CannotOpenFileBefore, language)) + std::u16string(fileName);
}

bool OpenReadMeFile(WindowHandle owner, EnvironmentPort& environment, ShellPort& shell,
                    MessagePort& messages, UiLanguage language) {
  const std::u16string wanted = GetReadMeFileName(environment, language);
  if (shell.OpenDocument(owner, wanted, u"")) return true;
  if (language != UiLanguage::Russian &&
      shell.OpenDocument(owner, GetReadMeFileName(environment, UiLanguage::Russian), u"")) {
    return true;
  }
  messages.ShowMessage(OpenReadMeFailedMessage(ReadMeNameOf(language), language), message_style::kCritical);
  return false;
}

}  // namespace lartsen
