// The settings and About dialogs driven as a user would: typing, clicks, Enter, Esc and F1.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/ui/about_dialog_qt.h"
#include "platform/linux/ui/qt_text.h"
#include "platform/linux/ui/settings_dialog_qt.h"
#include "support/types.h"
#include "support/ole_date.h"
#include "settings/testing/fake_dialog_services.h"
#include "support/testing/fake_shell.h"

// Readable failures: QString printed as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace lartsen::qt {
namespace {

// Keeps a picture of a window for a person to look at.
void Screenshot(QWidget* window, const char* name) {
  QApplication::processEvents();
  window->grab().save(QStringLiteral(LARTSEN_SCREENSHOTS "/linux-%1.png").arg(QString::fromLatin1(name)));
}

// Does `action` (a click or a key that may open a message box) and returns the text of the box it
// opened, closing the box with its OK button; empty when no box opened.
QString TakeMessageBox(const std::function<void()>& action, const char* screenshot = nullptr) {
  QString text;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    watcher.stop();
    EXPECT_EQ(box->windowTitle(), ToQString(ApplicationTitle));
    EXPECT_EQ(box->buttons().size(), 1);
    if (screenshot != nullptr) Screenshot(box, screenshot);
    text = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  watcher.start(10);
  QWidget* window = QApplication::activeWindow();
  action();
  watcher.stop();
  // The platform without a window manager gives the activation back to nobody.
  if (window != nullptr && window->isVisible()) QApplication::setActiveWindow(window);
  return text;
}

template <typename T = QWidget>
T* Child(QWidget* form, const char* name) {
  T* child = form->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void Type(QWidget* form, const char* field, const QString& text) {
  auto* edit = Child<QLineEdit>(form, field);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

// Shows `dialog` while `script` drives it from the dialog's own event loop. If the script
// leaves the dialog open, it is cancelled and the test fails.
void RunSettings(SettingsDialog& dialog, const std::function<void(QDialog*)>& script) {
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    QApplication::setActiveWindow(form);
    script(form);
    QApplication::processEvents();
    if (form->isVisible()) {
      ADD_FAILURE() << "the dialog stayed open";
      form->reject();
    }
  });
  dialog.ShowModal();
}

class SettingsDialogOnScreen : public ::testing::Test {
 protected:
  FakeShell shell;
  testing::FakeDialogServices fakes{BuiltinLocale("ru-RU"), u"/no-such-folder-lartsen", shell};
  SettingsDialog dialog{fakes.services};

  void Run(const std::function<void(QDialog*)>& script) { RunSettings(dialog, script); }
};

TEST_F(SettingsDialogOnScreen, LayoutCaptionsFocusAndTabOrder) {
  Run([&](QDialog* form) {
    Screenshot(form, "settings-dialog");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(Child<QLineEdit>(form, "refreshRateBox")->text(), QStringLiteral("1000"));
    EXPECT_EQ(Child<QLineEdit>(form, "titlePatternBox")->text(), QStringLiteral("[%time%]"));
    EXPECT_EQ(Child<QLineEdit>(form, "timeFormatBox")->text(), QStringLiteral("hh:nn"));
    EXPECT_EQ(Child<QLabel>(form, "refreshRateLabel")->text(), QStringLiteral("Частота обновления (мс):"));
    EXPECT_EQ(Child<QLabel>(form, "timeFormatLabel")->text(), QStringLiteral("Формат времени:"));
    EXPECT_EQ(Child<QLabel>(form, "titlePatternLabel")->text(), QStringLiteral("Шаблон заголовка:"));
    EXPECT_EQ(Child<QPushButton>(form, "cancelButton")->text(), QStringLiteral("Отмена"));
    EXPECT_TRUE(Child<QPushButton>(form, "okButton")->isDefault());
    for (const char* preview : {"previewTitlePatternButton", "previewTimeFormatButton"}) {
      EXPECT_EQ(Child<QPushButton>(form, preview)->text(), QStringLiteral("..."));
      EXPECT_EQ(Child<QPushButton>(form, preview)->toolTip(), QStringLiteral(" Предпросмотр "));
    }
    // Every label shows whole, left of the fields, whatever the desktop's font.
    for (const char* label : {"refreshRateLabel", "timeFormatLabel", "titlePatternLabel"}) {
      auto* l = Child<QLabel>(form, label);
      EXPECT_GE(l->width(), l->sizeHint().width()) << label;
      EXPECT_LE(l->geometry().right(), Child<QWidget>(form, "refreshRateBox")->x()) << label;
    }
    // The rate has the focus first, its whole text selected, so typing replaces it.
    auto* rate = Child<QLineEdit>(form, "refreshRateBox");
    EXPECT_EQ(QApplication::focusWidget(), rate);
    EXPECT_EQ(rate->selectedText(), QStringLiteral("1000"));
    std::vector<std::string> order;
    QWidget* item = rate;
    for (int i = 0; i < 7; ++i, item = item->nextInFocusChain()) {
      while (!(item->focusPolicy() & Qt::TabFocus)) item = item->nextInFocusChain();
      order.push_back(item->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"refreshRateBox", "titlePatternBox", "previewTitlePatternButton",
                                               "timeFormatBox", "previewTimeFormatButton", "okButton", "cancelButton"}));
    // Tabbing into a field selects its whole content.
    QTest::keyClick(rate, Qt::Key_Tab);
    EXPECT_EQ(Child<QLineEdit>(form, "titlePatternBox")->selectedText(), QStringLiteral("[%time%]"));
    form->reject();
  });
}

TEST_F(SettingsDialogOnScreen, RejectedValuesKeepItOpenUntilValidOnesAreSaved) {
  std::vector<QString> boxes;
  Run([&](QDialog* form) {
    auto* ok = Child<QPushButton>(form, "okButton");
    for (const char* rate : {"", "abc", "0", "60001", "99999999999"}) {
      Type(form, "refreshRateBox", QString::fromLatin1(rate));
      boxes.push_back(TakeMessageBox([&] { ok->click(); }, boxes.empty() ? "settings-invalid-rate" : nullptr));
      // The offending field has the focus back, its text selected.
      EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(form, "refreshRateBox")) << rate;
    }
    // Under the Russian locale the decimal separator is a comma; halves round to even.
    Type(form, "refreshRateBox", QStringLiteral(" 250,5 "));
    Type(form, "timeFormatBox", QStringLiteral("0.00"));  // a number format is no time format
    boxes.push_back(TakeMessageBox([&] { ok->click(); }));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(form, "timeFormatBox"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fakes.writes.empty());
    Type(form, "timeFormatBox", QStringLiteral("hh:nn:ss"));
    Type(form, "titlePatternBox", QStringLiteral("<%time%>"));
    // Enter in a text box is Ok, the default button.
    QTest::keyClick(Child<QWidget>(form, "titlePatternBox"), Qt::Key_Return);
  });
  const QString invalid = QStringLiteral("Вы ввели неправильное значение частоты обновления.");
  const QString range = QStringLiteral("Частота обновления должна лежать в интервале от 1 до 60000.");
  EXPECT_EQ(boxes, (std::vector<QString>{invalid, invalid, range, range, invalid,
                                         QStringLiteral("Ошибка в формате времени!")}));
  EXPECT_EQ(fakes.settings.RefreshRate, 250);
  EXPECT_EQ(fakes.settings.TimeFormat, u"hh:nn:ss");
  EXPECT_EQ(fakes.settings.TitlePattern, u"<%time%>");
  EXPECT_EQ(fakes.writes, (std::vector<std::u16string>{u"Time Format", u"Refresh Rate", u"Tittle Pattern"}));
}

TEST_F(SettingsDialogOnScreen, CancelAndEscChangeNothing) {
  for (bool escape : {false, true}) {
    Run([&](QDialog* form) {
      Type(form, "refreshRateBox", QStringLiteral("5"));
      Type(form, "timeFormatBox", QStringLiteral("yyyy"));
      if (escape) {
        QTest::keyClick(Child<QWidget>(form, "timeFormatBox"), Qt::Key_Escape);
      } else {
        Child<QPushButton>(form, "cancelButton")->click();
      }
    });
  }
  EXPECT_EQ(fakes.settings.RefreshRate, 1000);
  EXPECT_EQ(fakes.settings.TimeFormat, u"hh:nn");
  EXPECT_TRUE(fakes.writes.empty());
}

TEST_F(SettingsDialogOnScreen, PreviewsShowFiveSamplesOrTheirErrorHeading) {
  std::vector<QString> boxes;
  Run([&](QDialog* form) {
    Type(form, "timeFormatBox", QStringLiteral("yyyy"));
    boxes.push_back(TakeMessageBox([&] { Child<QPushButton>(form, "previewTimeFormatButton")->click(); },
                                   "settings-preview"));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(form, "timeFormatBox"));
    Type(form, "titlePatternBox", QStringLiteral("<%time%>"));
    boxes.push_back(TakeMessageBox([&] { Child<QPushButton>(form, "previewTitlePatternButton")->click(); }));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(form, "titlePatternBox"));
    Type(form, "timeFormatBox", QStringLiteral("0.00"));
    boxes.push_back(TakeMessageBox([&] { Child<QPushButton>(form, "previewTitlePatternButton")->click(); }));
    boxes.push_back(TakeMessageBox([&] { Child<QPushButton>(form, "previewTimeFormatButton")->click(); }));
    form->reject();
  });
  ASSERT_EQ(boxes.size(), 4u);
  // Five samples with an empty line between two: now first, then four random moments.
  EXPECT_EQ(boxes[0], QStringLiteral("2024\n\n1950\n\n1950\n\n1950\n\n1950"));
  EXPECT_EQ(boxes[1], QStringLiteral("<2024>\n\n<1950>\n\n<1950>\n\n<1950>\n\n<1950>"));
  EXPECT_TRUE(boxes[2].startsWith(QStringLiteral("Ошибка в шаблоне!\n\n"))) << boxes[2].toStdString();
  EXPECT_TRUE(boxes[3].startsWith(QStringLiteral("Ошибка в формате времени!\n\n"))) << boxes[3].toStdString();
  EXPECT_EQ(fakes.settings.TimeFormat, u"hh:nn");
  EXPECT_TRUE(fakes.writes.empty());
}

TEST_F(SettingsDialogOnScreen, F1OpensTheReadMeButNotWithAModifier) {
  QString box;
  Run([&](QDialog* form) {
    auto* edit = Child<QWidget>(form, "timeFormatBox");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
    box = TakeMessageBox([&] { QTest::keyClick(edit, Qt::Key_F1); });
    form->reject();
  });
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].path, u"/no-such-folder-lartsen/ReadMe.TXT");
  EXPECT_EQ(box, QStringLiteral("Не удаётся открыть файл ReadMe.TXT"));
}

TEST_F(SettingsDialogOnScreen, AskedAgainWhileOpenItDoesNotStackASecondDialog) {
  int forms = 0;
  Run([&](QDialog* form) {
    dialog.ShowModal();  // returns at once
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && window->objectName() == QStringLiteral("SettingsDialogWindow")) ++forms;
    }
    form->reject();
  });
  EXPECT_EQ(forms, 1);
}

TEST(AboutDialogOnScreen, ShowsIconTitleAndCreditAndClosesWithOk) {
  QString title, credit;
  bool hasIcon = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    QApplication::setActiveWindow(about);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("О программе"));
    Screenshot(about, "about");
    title = Child<QLabel>(about, "titleLabel")->text();
    credit = Child<QLabel>(about, "creditLabel")->text();
    hasIcon = !Child<QLabel>(about, "imgIcon")->pixmap().isNull();
    QTest::keyClick(Child<QWidget>(about, "okButton"), Qt::Key_Return);
  });
  QPixmap picture(32, 32);
  picture.fill(Qt::blue);
  AboutDialog(QIcon(picture)).ShowAbout();
  EXPECT_TRUE(title.contains(QRegularExpression(QStringLiteral("^Ларцен \\d+\\.\\d+\\.\\d+$")))) << title.toStdString();
  EXPECT_EQ(title, AboutDialog::TitleLine());
  EXPECT_EQ(credit, ToQString(kAboutCredit));
  EXPECT_TRUE(hasIcon);
}

// A desktop that does not speak Russian: the same dialogs in English, every label whole.
TEST(DialogsInEnglish, SettingsCaptionsInvalidValueAndAbout) {
  FakeShell shell;
  testing::FakeDialogServices fakes{BuiltinLocale("ru-RU"), u"/no-such-folder-lartsen", shell};
  fakes.services.language = UiLanguage::English;
  SettingsDialog dialog{fakes.services};
  QString box;
  RunSettings(dialog, [&](QDialog* form) {
    Screenshot(form, "settings-dialog-en");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(Child<QLabel>(form, "refreshRateLabel")->text(), QStringLiteral("Refresh rate (ms):"));
    EXPECT_EQ(Child<QPushButton>(form, "cancelButton")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(Child<QPushButton>(form, "previewTimeFormatButton")->toolTip(), QStringLiteral(" Preview "));
    for (const char* label : {"refreshRateLabel", "timeFormatLabel", "titlePatternLabel"}) {
      auto* l = Child<QLabel>(form, label);
      EXPECT_GE(l->width(), l->sizeHint().width()) << label;
    }
    Type(form, "refreshRateBox", QStringLiteral("abc"));
    box = TakeMessageBox([&] { Child<QPushButton>(form, "okButton")->click(); }, "settings-invalid-rate-en");
    form->reject();
  });
  EXPECT_EQ(box, QStringLiteral("The refresh rate you entered is not valid."));

  QString credit;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    QApplication::setActiveWindow(about);
    Screenshot(about, "about-en");
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About"));
    credit = Child<QLabel>(about, "creditLabel")->text();
    QTest::keyClick(Child<QWidget>(about, "okButton"), Qt::Key_Return);
  });
  AboutDialog(QIcon(), nullptr, UiLanguage::English).ShowAbout();
  EXPECT_EQ(credit, QStringLiteral("By Nerrowind. Korvel: small programs for Windows and Linux."));
}

// F1 in English: the English read-me first, then the Russian one; neither there, the message
// names the English one.
TEST(DialogsInEnglish, F1TriesTheEnglishReadMeThenTheRussianOne) {
  FakeShell shell;
  testing::FakeDialogServices fakes{BuiltinLocale("ru-RU"), u"/no-such-folder-lartsen", shell};
  fakes.services.language = UiLanguage::English;
  SettingsDialog dialog{fakes.services};
  QString box;
  RunSettings(dialog, [&](QDialog* form) {
    auto* edit = Child<QWidget>(form, "timeFormatBox");
    edit->setFocus();
    box = TakeMessageBox([&] { QTest::keyClick(edit, Qt::Key_F1); });
    form->reject();
  });
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0].path, u"/no-such-folder-lartsen/ReadMe.en.TXT");
  EXPECT_EQ(shell.opened[1].path, u"/no-such-folder-lartsen/ReadMe.TXT");
  EXPECT_EQ(box, QStringLiteral("Cannot open the file ReadMe.en.TXT"));
}

}  // namespace
}  // namespace lartsen::qt

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Off screen unless a platform is asked for: the dialogs need no display to be driven.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
