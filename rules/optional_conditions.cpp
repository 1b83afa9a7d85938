// The tray commands that open the per-user rules file and the examples file in the user's editor.
#include "rules/optional_conditions.h"

#include "support/paths.h"

namespace lartsen {

OptionalConditions::OptionalConditions(EnvironmentPort& environment,
                                       HostPort& host, ComplexDirectory& directories,
                                       ShellPort& shell, MessagePort& messages,
                                       UiLanguage language)
    : environment_(environment),
      host_(host),
      directories_(directories),
      shell_(shell),
      messages_(messages),
      language_(language) {}

void OptionalConditions::OpenOptionalConditions() {
  const std::u16string fileName = GetOptionalConditionsFileName(environment_);
  const std::u16string folder = FolderOfPath(fileName);
  // A folder that cannot be made shows only through the failed open below.
  directories_.CreateComplexDirectory(folder, host_.IsHostWinNT());
  const WindowHandle owner = shell_.GetActiveWindow();
  if (!shell_.OpenDocument(owner, fileName, folder)) {
    messages_.ShowMessage(TextOf(UiText::OpenOptionalConditionsFailed, language_), message_style::kCritical);
  }
}

void OptionalConditions::OpenOptionalConditionsSamples() {
  const WindowHandle owner = shell_.GetActiveWindow();
  if (!shell_.OpenDocument(owner, GetOptionalConditionsSamplesFileName(), u"")) {
    messages_.ShowMessage(TextOf(UiText::OpenOptionalSamplesFailed, language_), message_style::kCritical);
  }
}

std::u16string OptionalConditions::GetOptionalConditionsSamplesFileName() {
  const std::u16string folder = environment_.ProgramFolder();
  if (environment_.IsInIDE()) {
    return JoinPath(folder, u"Output\\" + std::u16string(kOptionalConditionsSamplesName));
  }
  return JoinPath(folder, kOptionalConditionsSamplesName);
}

}  // namespace lartsen
