// The About dialog in Qt: the program's icon, title and version, and a credit.
#pragma once

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/app_ports.h"
#include "support/ui_text.h"

namespace lartsen::qt {

// The Russian credit line; the dialog says it in its own language.
inline constexpr char16_t kAboutCredit[] = u"Автор: Nerrowind. Korvel — небольшие программы для Windows и Linux.";

class AboutDialog final : public AboutPort {
 public:
  // `icon`: the program's icon (by default the application's window icon); `owner`: none, or
  // the window the dialog belongs to.
  // The caption and the credit line speak `language`.
  explicit AboutDialog(QIcon icon = QIcon(), QWidget* owner = nullptr, UiLanguage language = UiLanguage::Russian);
  // Modal; returns when the user closes it. Asked again while open, it brings it to the front.
  void ShowAbout() override;

  // "Ларцен 1.0.0": the title and version line the dialog shows.
  static QString TitleLine();

 private:
  QIcon icon_;
  QPointer<QWidget> owner_;
  QPointer<QWidget> open_;
  UiLanguage language_;
};

}  // namespace lartsen::qt
