// Folder creation with std::filesystem, the open through the shell port, the failure messages.
#include "platform/linux/system/rules_file_commands.h"

#include <filesystem>
#include <system_error>

#include "platform/linux/system/linux_paths.h"
#include "rules/conditions_files.h"
#include "rules/optional_conditions.h"
#include "support/paths.h"

namespace lartsen {

void RulesFileCommands::OpenOptionalConditions() {
  const std::u16string file = GetOptionalConditionsFileName(environment_);
  const std::u16string folder = FolderOfPath(file);
  // A failure to create shows only through the failed open.
  std::error_code error;
  std::filesystem::create_directories(ToNativePath(folder), error);
  if (!shell_.OpenDocument(shell_.GetActiveWindow(), file, folder)) {
    messages_.ShowMessage(TextOf(UiText::OpenOptionalConditionsFailed, language_), message_style::kCritical);
  }
}

void RulesFileCommands::OpenOptionalConditionsSamples() {
  const std::u16string file = JoinPath(environment_.ProgramFolder(), kOptionalConditionsSamplesName);
  if (!shell_.OpenDocument(shell_.GetActiveWindow(), file, u"")) {
    messages_.ShowMessage(TextOf(UiText::OpenOptionalSamplesFailed, language_), message_style::kCritical);
  }
}

}  // namespace lartsen
