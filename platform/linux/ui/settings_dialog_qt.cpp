// The settings dialog in Qt: the three fields, both previews, Ok and Cancel over the dialog logic.
#include "platform/linux/ui/settings_dialog_qt.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

#include "platform/linux/ui/qt_text.h"
#include "settings/read_me_file.h"
#include "template/time_format.h"

namespace lartsen::qt {
namespace {

// Position and size in twips, as the layout was drawn.
struct Placement {
  const char* name;
  int left, top, width, height;
};

constexpr Placement kRefreshRateLabel{"refreshRateLabel", 180, 180, 2250, 210};
constexpr Placement kRefreshRateBox{"refreshRateBox", 2580, 120, 4335, 375};
constexpr Placement kTitlePatternLabel{"titlePatternLabel", 180, 660, 1605, 210};
constexpr Placement kTitlePatternBox{"titlePatternBox", 2580, 600, 3915, 375};
constexpr Placement kPreviewTitlePatternButton{"previewTitlePatternButton", 6540, 600, 375, 375};
constexpr Placement kTimeFormatLabel{"timeFormatLabel", 180, 1140, 1515, 210};
constexpr Placement kTimeFormatBox{"timeFormatBox", 2580, 1080, 3915, 375};
constexpr Placement kPreviewTimeFormatButton{"previewTimeFormatButton", 6540, 1080, 375, 375};
constexpr Placement kOkButton{"okButton", 4020, 1560, 1395, 435};
constexpr Placement kCancelButton{"cancelButton", 5520, 1560, 1395, 435};

constexpr int kClientWidth = 7035;
constexpr int kClientHeight = 2115;
constexpr int kFieldsLeft = 2580;  // where the column of fields begins
// The back panel: the button-face panel behind the labels, reaching past the top, left and bottom.
constexpr Placement kBackPanel{"backPanel", -60, -600, 2955, 3975};

}  // namespace

SettingsForm::SettingsForm(SettingsDialogServices& services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      formatter_(services.settings.TitlePattern, services.settings.TimeFormat, services.locale, services.clock,
                 services.memory),
      logic_(services.settings, services.locale, services.clock, services.random, messages_, reporter_,
             [&locale = services.locale](double moment, std::u16string_view format) {
               return FormatDateTime(moment, format, locale);
             },
             [this](const std::u16string& pattern, double moment, const std::u16string& format) {
               return formatter_.FormatTitle(pattern, moment, format);
             },
             [&makeStore = services.makeStore](const Settings& settings) { SaveSettings(settings, makeStore); },
             services.language) {
  messages_.SetOwner(this);
  setObjectName(QStringLiteral("SettingsDialogWindow"));
  setWindowTitle(ToQString(TextOf(UiText::SettingsCaption, services.language)));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  CreateControls();
  Load();
}

template <typename Handler>
void SettingsForm::Guarded(Handler handler) noexcept {
  try {
    handler();
  } catch (const Error& error) {
    try {
      reporter_.ReportError(error, message_style::kCritical, u"");
    } catch (...) {
    }
  } catch (...) {
  }
}

void SettingsForm::CreateControls() {
  // Twips as the layout was drawn, at the screen's logical resolution (15 twips a pixel at 96 dpi).
  const int dpi = std::max(logicalDpiX(), 1);
  auto px = [dpi](int twips) { return (twips * dpi + 720) / 1440; };

  const UiLanguage language = services_.language;
  const std::array<std::pair<Placement, std::u16string_view>, 3> labels{{
      {kRefreshRateLabel, TextOf(UiText::RefreshRateLabel, language)},
      {kTitlePatternLabel, TextOf(UiText::TitlePatternLabel, language)},
      {kTimeFormatLabel, TextOf(UiText::TimeFormatLabel, language)},
  }};
  // The desktop's font may be wider than the one the layout was drawn for: the labels must
  // still show whole, so the fields move right (and the dialog widens) by what they lack.
  const QFontMetrics metrics(font());
  int shift = 0;
  for (const auto& [place, caption] : labels) {
    const int needed = metrics.horizontalAdvance(ToQString(caption)) + px(150);
    shift = std::max(shift, px(place.left) + needed - px(kFieldsLeft));
  }
  const int labelHeight = std::max(px(210), metrics.height());
  auto right = [&](const Placement& p) {
    return QRect(px(p.left) + shift, px(p.top), px(p.width), px(p.height));
  };

  QLineEdit* edits[3] = {};
  int index = 0;
  auto addLabel = [&](const Placement& p, std::u16string_view caption) {
    auto* label = new QLabel(ToQString(caption), this);
    label->setObjectName(QString::fromLatin1(p.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(px(p.left), px(p.top), std::max(px(p.width), px(kFieldsLeft - p.left) + shift), labelHeight);
  };
  auto addEdit = [&](const Placement& p) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(p.name));
    edit->setGeometry(right(p));
    edit->installEventFilter(this);
    edits[index++] = edit;
    return edit;
  };
  auto addButton = [&](const Placement& p, std::u16string_view caption) {
    auto* button = new QPushButton(ToQString(caption), this);
    button->setObjectName(QString::fromLatin1(p.name));
    button->setGeometry(right(p));
    return button;
  };

  // In tab order: the order of creation is the order of the Tab key.
  addLabel(kRefreshRateLabel, labels[0].second);
  refreshRateBox_ = addEdit(kRefreshRateBox);
  addLabel(kTitlePatternLabel, labels[1].second);
  titlePatternBox_ = addEdit(kTitlePatternBox);
  QPushButton* previewTitlePattern = addButton(kPreviewTitlePatternButton, u"...");
  addLabel(kTimeFormatLabel, labels[2].second);
  timeFormatBox_ = addEdit(kTimeFormatBox);
  QPushButton* previewTimeFormat = addButton(kPreviewTimeFormatButton, u"...");
  QPushButton* ok = addButton(kOkButton, u"Ok");
  QPushButton* cancel = addButton(kCancelButton, TextOf(UiText::CancelButton, language));
  QWidget* order[] = {refreshRateBox_, titlePatternBox_, previewTitlePattern, timeFormatBox_,
                      previewTimeFormat, ok, cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  for (QPushButton* preview : {previewTitlePattern, previewTimeFormat}) {
    preview->setToolTip(ToQString(TextOf(UiText::PreviewTip, language)));
  }
  ok->setDefault(true);  // Enter; Esc is the dialog's own reject, that is Cancel

  backPanel_ = QRect(px(kBackPanel.left), px(kBackPanel.top), px(kBackPanel.width) + shift, px(kBackPanel.height));
  setFixedSize(px(kClientWidth) + shift, px(kClientHeight));

  connect(ok, &QPushButton::clicked, this, [this] { Guarded([this] { Confirm(); }); });
  connect(cancel, &QPushButton::clicked, this, [this] { Guarded([this] { reject(); }); });
  connect(previewTimeFormat, &QPushButton::clicked, this, [this] {
    Guarded([this] { FocusField(logic_.ShowTimeFormatPreview(Text(DialogField::TimeFormat))); });
  });
  connect(previewTitlePattern, &QPushButton::clicked, this, [this] {
    Guarded([this] {
      FocusField(logic_.ShowTitlePatternPreview(Text(DialogField::TitlePattern), Text(DialogField::TimeFormat)));
    });
  });
  // F1 without Shift, Ctrl or Alt opens the read-me file wherever the focus is in the dialog.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [this] { Guarded([this] { OpenReadMe(); }); });
}

void SettingsForm::Load() {
  // Centred on the screen, not on another window: the dialog has no owner.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  const SettingsDialogTexts texts = logic_.InitialTexts();
  refreshRateBox_->setText(ToQString(texts.RefreshRate));
  titlePatternBox_->setText(ToQString(texts.TitlePattern));
  timeFormatBox_->setText(ToQString(texts.TimeFormat));
  FocusField(DialogField::RefreshRate);
}

void SettingsForm::paintEvent(QPaintEvent*) {
  // Where the platform has no desktop painting of its own, the dialog keeps its window colour;
  // The back panel is the button-face panel behind the labels.
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.fillRect(backPanel_.intersected(rect()), palette().button());
}

bool SettingsForm::eventFilter(QObject* watched, QEvent* event) {
  // Typing replaces the whole content of a field that has just got the focus (a click keeps
  // its own caret, as everywhere else).
  if (event->type() == QEvent::FocusIn) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit != nullptr && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) edit->selectAll();
  }
  return QDialog::eventFilter(watched, event);
}

void SettingsForm::Confirm() {
  const auto outcome = logic_.Confirm(
      {Text(DialogField::RefreshRate), Text(DialogField::TitlePattern), Text(DialogField::TimeFormat)});
  if (outcome.Close) {
    accept();
  } else {
    FocusField(outcome.Focus);
  }
}

QLineEdit* SettingsForm::Field(DialogField field) const {
  switch (field) {
    case DialogField::RefreshRate: return refreshRateBox_;
    case DialogField::TitlePattern: return titlePatternBox_;
    case DialogField::TimeFormat: return timeFormatBox_;
    case DialogField::None: break;
  }
  return nullptr;
}

void SettingsForm::FocusField(DialogField field) {
  if (QLineEdit* edit = Field(field)) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
  }
}

std::u16string SettingsForm::Text(DialogField field) const { return FromQString(Field(field)->text()); }

void SettingsForm::OpenReadMe() {
  OpenReadMeFile(static_cast<WindowHandle>(winId()), services_.environment, services_.shell, messages_,
                 services_.language);
}

SettingsDialog::SettingsDialog(SettingsDialogServices services) : services_(std::move(services)) {}

void SettingsDialog::ShowModal() {
  if (open_ != nullptr) {
    open_->raise();
    open_->activateWindow();
    return;
  }
  SettingsForm form(services_);
  open_ = &form;
  struct Closing {
    SettingsForm*& open;
    ~Closing() { open = nullptr; }
  } closing{open_};
  form.exec();
}

}  // namespace lartsen::qt
