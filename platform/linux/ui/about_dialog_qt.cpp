// The About dialog in Qt: the program's icon, title and version, and a credit.
#include "platform/linux/ui/about_dialog_qt.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "platform/linux/ui/qt_text.h"
#include "support/types.h"

#ifndef LARTSEN_VERSION
#error "LARTSEN_VERSION must name the program's version"
#endif

namespace lartsen::qt {

AboutDialog::AboutDialog(QIcon icon, QWidget* owner, UiLanguage language)
    : icon_(std::move(icon)), owner_(owner), language_(language) {}

QString AboutDialog::TitleLine() {
  return ToQString(DisplayTitle) + QStringLiteral(" ") + QStringLiteral(LARTSEN_VERSION);
}

void AboutDialog::ShowAbout() {
  if (open_ != nullptr) {
    open_->raise();
    open_->activateWindow();
    return;
  }
  QDialog dialog(owner_.data());
  open_ = &dialog;
  dialog.setObjectName(QStringLiteral("aboutDialog"));
  dialog.setWindowTitle(ToQString(TextOf(UiText::AboutCaption, language_)));
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  // The same layout as on Windows, in twips at the screen's logical resolution.
  const int dpi = std::max(dialog.logicalDpiX(), 1);
  auto px = [dpi](int twips) { return (twips * dpi + 720) / 1440; };
  const QIcon icon = icon_.isNull() ? QApplication::windowIcon() : icon_;
  const int iconSize = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);

  auto* picture = new QLabel(&dialog);
  picture->setObjectName(QStringLiteral("imgIcon"));
  picture->setGeometry(px(240), px(240), iconSize, iconSize);
  if (!icon.isNull()) picture->setPixmap(icon.pixmap(iconSize, iconSize));

  const int textLeft = std::max(px(1080), px(240) + iconSize + px(240));
  const int textWidth = px(5160) - textLeft;
  auto* title = new QLabel(TitleLine(), &dialog);
  title->setObjectName(QStringLiteral("titleLabel"));
  title->setTextFormat(Qt::PlainText);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  title->setGeometry(textLeft, px(240), textWidth, std::max(px(300), QFontMetrics(bold).height()));

  auto* credit = new QLabel(ToQString(TextOf(UiText::AboutCreditLinux, language_)), &dialog);
  credit->setObjectName(QStringLiteral("creditLabel"));
  credit->setTextFormat(Qt::PlainText);
  credit->setWordWrap(true);
  credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const int creditHeight = std::max(px(600), credit->heightForWidth(textWidth));
  credit->setGeometry(textLeft, px(660), textWidth, creditHeight);

  const int buttonTop = std::max(px(1380), px(660) + creditHeight + px(120));
  auto* ok = new QPushButton(QStringLiteral("Ok"), &dialog);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setGeometry(px(5160) - px(1380), buttonTop, px(1380), px(420));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.setFixedSize(px(5400), buttonTop + px(420) + px(120));

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), dialog.size());
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
  }
  ok->setFocus();
  dialog.exec();
}

}  // namespace lartsen::qt
