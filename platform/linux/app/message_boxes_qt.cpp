// QMessageBox with the critical or information icon and one OK button.
#include "platform/linux/app/message_boxes_qt.h"

#include <QMessageBox>

#include "support/types.h"

namespace lartsen::linux_app {

void MessageBoxesQt::ShowMessage(std::u16string_view text, unsigned style) {
  const QMessageBox::Icon icon =
      style == message_style::kInformation ? QMessageBox::Information : QMessageBox::Critical;
  QMessageBox box(icon,
                  QString::fromUtf16(ApplicationTitle.data(), static_cast<qsizetype>(ApplicationTitle.size())),
                  QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box.exec();
}

}  // namespace lartsen::linux_app
