// The popup menu built from the menu model, shown at the cursor for the tray icon.
#include "platform/win32/app/popup_menu.h"

#include <span>
#include <string>

#include "app/menu_model.h"
#include "platform/win32/last_error_win32.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {
namespace {

HMENU BuildItems(std::span<const MenuItem> items, int commandBase, HMENU submenu) {
  HMENU menu = CreatePopupMenu();
  if (!menu) ThrowLastError(UiText::CannotCreateMenu);
  for (const MenuItem& item : items) {
    std::wstring caption = Wide(item.Caption);
    UINT_PTR id = static_cast<UINT_PTR>(commandBase + item.Index);
    switch (item.Kind) {
      case MenuItemKind::Separator:
        AppendMenuW(menu, MF_SEPARATOR, id, nullptr);
        break;
      case MenuItemKind::Information:
        AppendMenuW(menu, MF_STRING | MF_GRAYED, id, caption.c_str());
        break;
      case MenuItemKind::Submenu:
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
        break;
      case MenuItemKind::Command:
      case MenuItemKind::Check:
        AppendMenuW(menu, MF_STRING, id, caption.c_str());
        break;
    }
  }
  return menu;
}

UINT ItemId(int index) { return static_cast<UINT>(ContextCommandId(index)); }

}  // namespace

PopupMenu::PopupMenu(UiLanguage language) {
  HMENU help = BuildItems(HelpMenuItems(language), kHelpCommandBase, nullptr);
  menu_ = BuildItems(ContextMenuItems(language), kContextCommandBase, help);
}

PopupMenu::~PopupMenu() {
  if (menu_) DestroyMenu(menu_);
}

void PopupMenu::SetRuleCountCaption(std::u16string_view caption) {
  const UINT id = ItemId(kRuleCountIndex);
  if (!ModifyMenuW(menu_, id, MF_BYCOMMAND | MF_STRING | MF_GRAYED, id, Wide(caption).c_str())) {
    ThrowLastError(UiText::CannotChangeMenu);
  }
}

bool PopupMenu::IsAutoStartChecked() const {
  const UINT state = GetMenuState(menu_, ItemId(kAutoStartIndex), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void PopupMenu::SetAutoStartChecked(bool checked) {
  CheckMenuItem(menu_, ItemId(kAutoStartIndex), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int PopupMenu::Open(HWND owner) {
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  // The choice comes back as the result, not as WM_COMMAND, which any program could post.
  const BOOL chosen = TrackPopupMenuEx(menu_, TPM_RIGHTBUTTON | TPM_RIGHTALIGN | TPM_BOTTOMALIGN | TPM_RETURNCMD |
                                                  TPM_NONOTIFY,
                                       cursor.x, cursor.y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<int>(chosen);
}

}  // namespace lartsen::win32
