// Message boxes of the dialogs: the application title as caption, one OK button, the style's icon.
#include "platform/linux/ui/message_box_qt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>

#include "platform/linux/ui/qt_text.h"
#include "support/types.h"

namespace lartsen::qt {

void MessageBoxes::ShowMessage(std::u16string_view text, unsigned style) {
  // The core separates lines the Windows way; a label wants plain line feeds.
  QString shown = ToQString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (style == message_style::kCritical) icon = QMessageBox::Critical;
  if (style == message_style::kInformation) icon = QMessageBox::Information;
  QMessageBox box(icon, ToQString(ApplicationTitle), shown, QMessageBox::Ok, owner_.data());
  box.setTextFormat(Qt::PlainText);
  // As a Windows message box does, Ctrl+C copies the message, so it can be pasted into a report.
  QShortcut copy(QKeySequence::Copy, &box);
  QObject::connect(&copy, &QShortcut::activated, &box, [&box] { QGuiApplication::clipboard()->setText(box.text()); });
  box.exec();
}

}  // namespace lartsen::qt
