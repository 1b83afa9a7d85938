// Captions and order of the tray menu items, and the text of the rule-count line.
#include "app/menu_model.h"

#include <array>

#include "support/text.h"

namespace lartsen {
namespace {

constexpr std::array kContextItems{
    MenuItem{kReloadIndex, u"Перезагрузить списки", MenuItemKind::Command},
    MenuItem{kRuleCountIndex, u"    Всего правил:", MenuItemKind::Information},
    MenuItem{10, u"-", MenuItemKind::Separator},
    MenuItem{kSettingsIndex, u"Настройки...", MenuItemKind::Command},
    MenuItem{kOptionalConditionsIndex, u"Дополнительные правила...", MenuItemKind::Command},
    MenuItem{kOptionalSamplesIndex, u"Примеры дополнительных правил...", MenuItemKind::Command},
    MenuItem{kAutoStartIndex, u"Запускать с Windows", MenuItemKind::Check},
    MenuItem{20, u"-", MenuItemKind::Separator},
    MenuItem{kHelpSubmenuIndex, u"Справка", MenuItemKind::Submenu},
    MenuItem{kExitIndex, u"Выход", MenuItemKind::Command},
};

constexpr std::array kHelpItems{
    MenuItem{kReadMeIndex, u"Справка", MenuItemKind::Command},
    MenuItem{1, u"-", MenuItemKind::Separator},
    MenuItem{kAboutIndex, u"О программе...", MenuItemKind::Command},
};

}  // namespace

std::span<const MenuItem> ContextMenuItems() { return kContextItems; }
std::span<const MenuItem> HelpMenuItems() { return kHelpItems; }

std::u16string RuleCountCaption(const ConditionsTable& table) {
  if (!table.ConditionsLoaded) return u"    Правила не определены";
  // The tab puts the count into the menu's right-hand column.
  return u"    Всего правил: \t" + FromUtf8(std::to_string(table.Conditions.size()));
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
