// The program's icon in the notification area, and what its notifications ask for.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/owned_win32.h"

namespace lartsen::win32 {

// Added with the tooltip "Ларцен" on the owner window; re-added when the shell restarts
// ("TaskbarCreated"), and tried again for a while when the shell does not take it yet (at logon).
// Taken away when it goes.
class TrayIcon {
 public:
  enum class Action { None, OpenMenu };

  TrayIcon(HWND owner, HINSTANCE instance);
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Throws Error when the icon cannot be loaded; a shell that is not ready is tried again.
  void Show();
  void Remove();
  // A message of the owner window that concerns the icon gives the action it asks for;
  // any other message gives nothing.
  std::optional<Action> Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool Add();
  void StartRetries();

  HWND owner_;
  HINSTANCE instance_;
  UINT taskbarCreated_;
  OwnedIcon icon_;
  bool wanted_ = false;
  bool shown_ = false;
  int retriesLeft_ = 0;
};

}  // namespace lartsen::win32
