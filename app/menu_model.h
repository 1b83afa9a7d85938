// The tray popup menu: its items in display order, their command ids and the rule-count line.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/conditions_table.h"
#include "support/ui_text.h"

namespace lartsen {

enum class MenuItemKind { Command, Information, Separator, Check, Submenu };

struct MenuItem {
  int Index;                  // index within its item array; commands are dispatched on it
  std::u16string_view Caption;
  MenuItemKind Kind;
};

// Item indices in the context menu and in the help submenu: the two state lines and the commands
// the program handles itself.
enum ContextItemIndex : int {
  kReloadIndex = 1, kRuleCountIndex = 2, kSettingsIndex = 11, kOptionalConditionsIndex = 12,
  kOptionalSamplesIndex = 13, kAutoStartIndex = 14, kHelpSubmenuIndex = 21, kExitIndex = 99 };
enum HelpItemIndex : int { kReadMeIndex = 0, kAboutIndex = 2 };

// Command ids of the platform menu: the item array's base plus the item's index.
inline constexpr int kContextCommandBase = 1000;
inline constexpr int kHelpCommandBase = 2000;
constexpr int ContextCommandId(int index) { return kContextCommandBase + index; }
constexpr int HelpCommandId(int index) { return kHelpCommandBase + index; }

// The commands of the menu.
enum class MenuCommand {
  ReloadConditions,
  Settings,
  OpenOptionalConditions,
  OpenOptionalSamples,
  ToggleAutoStart,
  Exit,
  OpenReadMe,
  About,
};

// Whether a platform command id belongs to the menu at all (state lines and separators do,
// and are no command).
bool IsMenuCommandId(int commandId);
// The command behind a command id; nothing for an id of no command.
std::optional<MenuCommand> MenuCommandOf(int commandId);

// The context menu in display order; the Submenu item holds HelpMenuItems().
std::span<const MenuItem> ContextMenuItems(UiLanguage language = UiLanguage::Russian);
// The help submenu in display order.
std::span<const MenuItem> HelpMenuItems(UiLanguage language = UiLanguage::Russian);

// "    Всего правил: \t<count>" once rules are loaded, "    Правила не определены" before.
std::u16string RuleCountCaption(const ConditionsTable& table, UiLanguage language = UiLanguage::Russian);

}  // namespace lartsen
