// The tray icon's popup menu: its items from the menu model, its state lines and check mark.
#pragma once

#include <windows.h>

#include <string_view>

#include "support/ui_text.h"

namespace lartsen::win32 {

// Commands of the menu reach its owner window as WM_COMMAND with the model's command ids.
class PopupMenu {
 public:
  // Throws Error when the menu cannot be made.
  explicit PopupMenu(UiLanguage language);
  ~PopupMenu();  // the help submenu goes with it
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  void SetRuleCountCaption(std::u16string_view caption);
  bool IsAutoStartChecked() const;
  void SetAutoStartChecked(bool checked);
  // Shows the menu at the cursor and returns, once it has closed, the command id chosen (0 for
  // none).
  int Open(HWND owner);

 private:
  HMENU menu_ = nullptr;
};

}  // namespace lartsen::win32
