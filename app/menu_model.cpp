// Captions and order of the tray menu items, and the text of the rule-count line.
#include "app/menu_model.h"

#include <array>

#include "support/text.h"

namespace lartsen {
namespace {

std::array<MenuItem, 10> ContextItems(UiLanguage language) {
  auto text = [language](UiText key) { return TextOf(key, language); };
  return {{
      {kReloadIndex, text(UiText::MenuReload), MenuItemKind::Command},
      {kRuleCountIndex, text(UiText::MenuRuleCountLabel), MenuItemKind::Information},
      {10, u"-", MenuItemKind::Separator},
      {kSettingsIndex, text(UiText::MenuSettings), MenuItemKind::Command},
      {kOptionalConditionsIndex, text(UiText::MenuOptionalConditions), MenuItemKind::Command},
      {kOptionalSamplesIndex, text(UiText::MenuOptionalSamples), MenuItemKind::Command},
      {kAutoStartIndex, text(UiText::MenuAutoStart), MenuItemKind::Check},
      {20, u"-", MenuItemKind::Separator},
      {kHelpSubmenuIndex, text(UiText::MenuHelp), MenuItemKind::Submenu},
      {kExitIndex, text(UiText::MenuExit), MenuItemKind::Command},
  }};
}

std::array<MenuItem, 3> HelpItems(UiLanguage language) {
  return {{
      {kReadMeIndex, TextOf(UiText::MenuHelp, language), MenuItemKind::Command},
      {1, u"-", MenuItemKind::Separator},
      {kAboutIndex, TextOf(UiText::MenuAbout, language), MenuItemKind::Command},
  }};
}

}  // namespace

// The item arrays are built once per language and never change afterwards.
std::span<const MenuItem> ContextMenuItems(UiLanguage language) {
  static const auto kRussian = ContextItems(UiLanguage::Russian);
  static const auto kEnglish = ContextItems(UiLanguage::English);
  return language == UiLanguage::Russian ? std::span<const MenuItem>(kRussian) : kEnglish;
}

std::span<const MenuItem> HelpMenuItems(UiLanguage language) {
  static const auto kRussian = HelpItems(UiLanguage::Russian);
  static const auto kEnglish = HelpItems(UiLanguage::English);
  return language == UiLanguage::Russian ? std::span<const MenuItem>(kRussian) : kEnglish;
}

std::u16string RuleCountCaption(const ConditionsTable& table, UiLanguage language) {
  if (!table.ConditionsLoaded) return std::u16string(TextOf(UiText::RulesUndefined, language));
  // The tab in the prefix puts the count into the menu's right-hand column.
  return std::u16string(TextOf(UiText::RuleCountPrefix, language)) +
         FromUtf8(std::to_string(table.Conditions.size()));
}

bool IsMenuCommandId(int commandId) {
  return (commandId >= kContextCommandBase && commandId < kContextCommandBase + 100) ||
         (commandId >= kHelpCommandBase && commandId < kHelpCommandBase + 100);
}

std::optional<MenuCommand> MenuCommandOf(int commandId) {
  switch (commandId) {
    case ContextCommandId(kReloadIndex): return MenuCommand::ReloadConditions;
    case ContextCommandId(kSettingsIndex): return MenuCommand::Settings;
    case ContextCommandId(kOptionalConditionsIndex): return MenuCommand::OpenOptionalConditions;
    case ContextCommandId(kOptionalSamplesIndex): return MenuCommand::OpenOptionalSamples;
    case ContextCommandId(kAutoStartIndex): return MenuCommand::ToggleAutoStart;
    case ContextCommandId(kExitIndex): return MenuCommand::Exit;
    case HelpCommandId(kReadMeIndex): return MenuCommand::OpenReadMe;
    case HelpCommandId(kAboutIndex): return MenuCommand::About;
    default: return std::nullopt;  // the rule-count line, separators and the help submenu entry
  }
}

}  // namespace lartsen
