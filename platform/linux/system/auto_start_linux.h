// Starting at login as an XDG autostart entry: $XDG_CONFIG_HOME/autostart/lartsen.desktop.
#pragma once

#include <string>

#include "app/app_ports.h"
#include "support/ui_text.h"

namespace lartsen {

// The entry runs `executable`; the program's identifier is kept in it as X-Lartsen-Key.
class XdgAutoStart final : public AutoStartPort {
 public:
  // `autostartFolder` empty: $XDG_CONFIG_HOME/autostart. Failures are worded in `language`.
  XdgAutoStart(std::string executable, std::string autostartFolder = {}, UiLanguage language = UiLanguage::Russian);

  // True when the entry exists and is not switched off (Hidden=true, X-GNOME-Autostart-enabled=false).
  bool IsAutoStartEnabled(std::u16string_view key) override;
  // Writes the entry (creating the folder); throws Error when it cannot.
  void EnableAutoStart(std::u16string_view key) override;
  // Removes the entry; a missing one is no failure.
  void DisableAutoStart(std::u16string_view key) override;

  std::string EntryPath() const;

 private:
  std::string executable_;
  std::string folder_;
  UiLanguage language_;
};

}  // namespace lartsen
