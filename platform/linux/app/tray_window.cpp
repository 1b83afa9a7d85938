// Builds the popup menu from the menu model and routes its choices and clicks.
#include "platform/linux/app/tray_window.h"

#include <QCursor>
#include <QIcon>

#include "app/menu_model.h"
#include "support/error.h"
#include "support/types.h"

namespace lartsen::linux_app {
namespace {

QString ToQ(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TrayWindow::TrayWindow(UiLanguage language) : menu_(std::make_unique<QMenu>()), language_(language) {
  auto addItems = [this, language](QMenu& menu, std::span<const MenuItem> items, int base, auto& self) -> void {
    for (const MenuItem& item : items) {
      const int id = base + item.Index;
      switch (item.Kind) {
        case MenuItemKind::Separator:
          menu.addSeparator();
          break;
        case MenuItemKind::Submenu: {
          QMenu* sub = menu.addMenu(ToQ(item.Caption));
          self(*sub, HelpMenuItems(language), kHelpCommandBase, self);
          break;
        }
        default: {
          QAction* action = menu.addAction(ToQ(item.Caption));
          action->setEnabled(item.Kind != MenuItemKind::Information);
          action->setCheckable(item.Kind == MenuItemKind::Check);
          actions_[id] = action;
          QObject::connect(action, &QAction::triggered, this, [this, id, action] {
            // Qt flips a check item by itself; the form keeps the mark, so the flip is undone.
            if (action->isCheckable()) action->setChecked(!action->isChecked());
            if (command_) command_(id);
          });
        }
      }
    }
  };
  addItems(*menu_, ContextMenuItems(language), kContextCommandBase, addItems);
  // Here the program starts with the desktop session, not with Windows.
  actions_.at(ContextCommandId(kAutoStartIndex))->setText(ToQ(TextOf(UiText::MenuAutoStartSession, language)));
}

TrayWindow::~TrayWindow() { icon_.hide(); }

void TrayWindow::ShowTrayIcon() {
  QIcon picture(QStringLiteral(":/lartsen/icon.ico"));
  if (picture.isNull()) throw Error(status::kFail, std::u16string(TextOf(UiText::ProgramIconNotLoaded, language_)));
  icon_.setIcon(picture);
  icon_.setToolTip(ToQ(DisplayTitle));
  icon_.show();
}

void TrayWindow::AttachMenu() {
  icon_.setContextMenu(menu_.get());
  // A left click opens the same menu: the program has no other window to show.
  QObject::connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
      menu_->popup(QCursor::pos());
    }
  });
}

void TrayWindow::SetRuleCountCaption(std::u16string_view caption) {
  actions_.at(ContextCommandId(kRuleCountIndex))->setText(ToQ(caption));
}

bool TrayWindow::IsAutoStartChecked() { return actions_.at(ContextCommandId(kAutoStartIndex))->isChecked(); }

void TrayWindow::SetAutoStartChecked(bool checked) {
  actions_.at(ContextCommandId(kAutoStartIndex))->setChecked(checked);
}

void TrayWindow::UnloadForm() {
  if (unload_) unload_();
}

}  // namespace lartsen::linux_app
