// The tray icon with its popup menu: the main window of the Linux program.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "app/app_ports.h"
#include "support/ui_text.h"

namespace lartsen::linux_app {


// Menu choices go to the handlers set by the program; nothing thrown passes back into Qt (the
// main form's boundaries catch it).
class TrayWindow final : public QObject, public MainWindowPort {
 public:
  // The menu, and a failure to show the icon, speak `language`.
  explicit TrayWindow(UiLanguage language = UiLanguage::Russian);
  ~TrayWindow() override;

  void SetCommandHandler(std::function<void(int commandId)> handler) { command_ = std::move(handler); }
  void SetUnloadHandler(std::function<void()> handler) { unload_ = std::move(handler); }

  // MainWindowPort
  void ShowTrayIcon() override;
  void AttachMenu() override;
  void SetRuleCountCaption(std::u16string_view caption) override;
  bool IsAutoStartChecked() override;
  void SetAutoStartChecked(bool checked) override;
  void UnloadForm() override;

  QMenu& menu() { return *menu_; }
  QSystemTrayIcon& icon() { return icon_; }

 private:
  QSystemTrayIcon icon_;
  std::unique_ptr<QMenu> menu_;
  std::map<int, QAction*> actions_;  // by command id
  std::function<void(int)> command_;
  std::function<void()> unload_;
  UiLanguage language_;
};

}  // namespace lartsen::linux_app
