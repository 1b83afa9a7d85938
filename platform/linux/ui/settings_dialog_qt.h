// The settings dialog in Qt: the three fields, both previews, Ok and Cancel over the dialog logic.
#pragma once

#include <QDialog>
#include <QRect>

#include <array>

#include "app/app_ports.h"
#include "platform/linux/ui/message_box_qt.h"
#include "settings/error_reporter.h"
#include "settings/settings.h"
#include "settings/settings_dialog_logic.h"
#include "settings/settings_dialog_services.h"
#include "settings/settings_store.h"
#include "support/clock_port.h"
#include "support/environment_port.h"
#include "support/memory_port.h"
#include "support/random_port.h"
#include "template/locale_info.h"
#include "template/title_format.h"

class QLineEdit;
class QPushButton;
class QLabel;

namespace lartsen::qt {

// One showing of the dialog. Its widgets carry the form's names (refreshRateBox, okButton...) as
// object names, so that tests and accessibility tools find them.
class SettingsForm final : public QDialog {
 public:
  explicit SettingsForm(SettingsDialogServices& services, QWidget* parent = nullptr);

  QLineEdit* Field(DialogField field) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void Load();
  void Confirm();
  void FocusField(DialogField field);
  void OpenReadMe();
  std::u16string Text(DialogField field) const;
  // Runs a handler so that nothing it throws leaves the slot: an Error is shown to the user.
  template <typename Handler>
  void Guarded(Handler handler) noexcept;

  SettingsDialogServices& services_;
  MessageBoxes messages_;
  ErrorReporter reporter_{messages_, services_.language};
  TitleFormatter formatter_;
  SettingsDialogLogic logic_;
  QLineEdit* refreshRateBox_ = nullptr;
  QLineEdit* titlePatternBox_ = nullptr;
  QLineEdit* timeFormatBox_ = nullptr;
  QRect backPanel_;
};

// SettingsDialogPort: a fresh SettingsForm for each showing. Asked again while it is open (the
// tray menu may still be used), it brings the open dialog to the front instead of stacking a
// second one on the first.
class SettingsDialog final : public SettingsDialogPort {
 public:
  explicit SettingsDialog(SettingsDialogServices services);
  void ShowModal() override;

 private:
  SettingsDialogServices services_;
  SettingsForm* open_ = nullptr;
};

}  // namespace lartsen::qt
