// QDesktopServices::openUrl on a file URL, after checking that the file is there.
#include "platform/linux/app/shell_qt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/linux/system/linux_paths.h"

namespace lartsen::linux_app {

bool ShellQt::OpenDocument(WindowHandle, std::u16string_view path, std::u16string_view) {
  // The opener is started detached and reports no missing file; ask first.
  const QString file = QString::fromStdString(ToNativePath(path));
  const QFileInfo info(file);
  if (!info.isFile() || !info.isReadable()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace lartsen::linux_app
