// The main form's load order, command dispatch and error boundaries, against recording fakes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/menu_model.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

using Log = std::vector<std::string>;

struct Fakes : MainWindowPort, RulesPort, StampingPort, AutoStartPort, MessagePort,
               SettingsDialogPort, AboutPort, RefreshTimerPort {
  Log log;
  ConditionsTable table;
  bool checked = false;
  bool storedAutoStart = false;
  std::u16string caption;
  std::vector<std::u16string> messages;
  bool failTick = false, failTray = false, failRules = false, failUnloadTitle = false;
  bool failRestore = false, failAutoStartRead = false, failDialog = false;
  std::size_t rulesToLoad = 0;

  void ShowTrayIcon() override {
    if (failTray) throw Error(status::kFail, u"no tray");
    log.push_back("tray");
  }
  void AttachMenu() override { log.push_back("menu"); }
  void SetRuleCountCaption(std::u16string_view text) override { caption = text; }
  bool IsAutoStartChecked() override { return checked; }
  void SetAutoStartChecked(bool value) override {
    checked = value;
    log.push_back(value ? "check" : "uncheck");
  }
  void UnloadForm() override {
    log.push_back("unload");
    UnloadHook();
  }
  std::function<void()> UnloadHook = [] {};

  void LoadConditions() override {
    if (failRules) throw Error(status::kFail, u"Файл правил не читается");
    log.push_back("rules");
    if (rulesToLoad > 0) {
      table.Conditions.assign(rulesToLoad, ConditionRow{u"*", u"*", u"x.exe"});
      table.ConditionsLoaded = true;
    }
  }
  const ConditionsTable& Table() const override { return table; }

  void Tick() override {
    log.push_back("tick");
    if (failTick) throw Error(status::kFail, u"tick failed");
  }
  void RestoreLeftStamp() override {
    log.push_back("restore");
    if (failRestore) throw Error(status::kFail, u"journal unreadable");
  }
  void ApplyTitle(WindowHandle window) override {
    log.push_back("apply " + std::to_string(window));
    if (failUnloadTitle) throw Error(status::kFail, u"restore failed");
  }

  bool IsAutoStartEnabled(std::u16string_view key) override {
    EXPECT_EQ(key, AppGuid);
    if (failAutoStartRead) throw Error(status::kFail, u"access denied");
    return storedAutoStart;
  }
  void EnableAutoStart(std::u16string_view) override {
    storedAutoStart = true;
    log.push_back("enable autostart");
  }
  void DisableAutoStart(std::u16string_view) override {
    storedAutoStart = false;
    log.push_back("disable autostart");
  }

  void ShowMessage(std::u16string_view text, unsigned style) override {
    EXPECT_EQ(style, message_style::kCritical);
    messages.emplace_back(text);
  }
  void ShowModal() override {
    if (failDialog) throw Error(status::kFail, UiText::CannotCreateSettingsWindow);
    log.push_back("dialog");
  }
  void ShowAbout() override { log.push_back("about"); }

  void Disable() override { log.push_back("timer off"); }
  void SetInterval(std::int32_t ms) override { log.push_back("interval " + std::to_string(ms)); }
  void Enable() override { log.push_back("timer on"); }
};

class MainFormTest : public testing::Test {
 protected:
  Fakes f;
  Settings settings;
  MainForm form{settings, MainFormPorts{
      f, f, f, f, f, f, f, f,
      [] { return std::unique_ptr<SettingsStorePort>(); },  // no store: defaults
      [](std::u16string_view) {},
      FileCommands{[this] { f.log.push_back("optional"); },
                   [this] { f.log.push_back("samples"); },
                   [this] { f.log.push_back("readme"); }}}};
};

TEST_F(MainFormTest, LoadRunsItsStepsInOrderAndStampsAtOnce) {
  f.rulesToLoad = 5;
  f.storedAutoStart = true;
  form.Load();
  EXPECT_EQ(f.log, (Log{"rules", "tray", "menu", "timer off", "interval 1000", "timer on",
                        "restore", "check", "tick"}));
  EXPECT_EQ(f.caption, u"    Всего правил: \t5");
  EXPECT_TRUE(f.checked);
}

TEST_F(MainFormTest, FailingStepEndsTheLoadButAFailingFirstTickDoesNot) {
  f.failTray = true;
  EXPECT_THROW(form.Load(), Error);
  EXPECT_EQ(f.log, (Log{"rules"}));

  f.failTray = false;
  f.failTick = true;
  f.failRestore = true;  // neither does an unreadable journal
  f.failAutoStartRead = true;  // nor an unreadable autostart state, which shows unchecked
  f.storedAutoStart = true;
  f.log.clear();
  EXPECT_NO_THROW(form.Load());
  EXPECT_EQ(f.log.back(), "tick");
  EXPECT_FALSE(f.checked);
  EXPECT_TRUE(f.messages.empty());
}

TEST_F(MainFormTest, ReloadKeepsPreviousCountWhenFilesHoldNoRule) {
  form.ReloadConditions();
  EXPECT_EQ(f.caption, u"    Правила не определены");
  f.rulesToLoad = 3;
  EXPECT_TRUE(form.OnCommand(ContextCommandId(kReloadIndex)));
  EXPECT_EQ(f.caption, u"    Всего правил: \t3");
  f.rulesToLoad = 0;
  form.OnCommand(ContextCommandId(kReloadIndex));
  EXPECT_EQ(f.caption, u"    Всего правил: \t3");
}

TEST_F(MainFormTest, ToggleAutoStartTwiceReturnsToWhereItWas) {
  form.ShowAutoStartState();
  f.log.clear();
  form.OnCommand(ContextCommandId(kAutoStartIndex));
  EXPECT_TRUE(f.checked);
  EXPECT_TRUE(f.storedAutoStart);
  form.OnCommand(ContextCommandId(kAutoStartIndex));
  EXPECT_FALSE(f.checked);
  EXPECT_FALSE(f.storedAutoStart);
  EXPECT_EQ(f.log, (Log{"check", "enable autostart", "uncheck", "disable autostart"}));
}

TEST_F(MainFormTest, AFailedCommandIsToldInTheFormsLanguage) {
  MainForm english{settings, MainFormPorts{f, f, f, f, f, f, f, f, [] { return std::unique_ptr<SettingsStorePort>(); },
                                           [](std::u16string_view) {}, FileCommands{}},
                   UiLanguage::English};
  f.failDialog = true;
  english.OnCommand(ContextCommandId(kSettingsIndex));
  form.OnCommand(ContextCommandId(kSettingsIndex));
  EXPECT_EQ(f.messages, (std::vector<std::u16string>{u"The settings window could not be created.",
                                                     u"Не удалось создать окно настроек."}));
}

TEST_F(MainFormTest, CommandsReachTheirHandlers) {
  form.OnCommand(ContextCommandId(kSettingsIndex));
  form.OnCommand(ContextCommandId(kOptionalConditionsIndex));
  form.OnCommand(ContextCommandId(kOptionalSamplesIndex));
  form.OnCommand(HelpCommandId(kReadMeIndex));
  form.OnCommand(HelpCommandId(kAboutIndex));
  // A cancelled or confirmed dialog alike is followed by a reload of the settings.
  EXPECT_EQ(f.log, (Log{"dialog", "timer off", "interval 1000", "timer on", "optional",
                        "samples", "readme", "about"}));
}

TEST_F(MainFormTest, InertItemsAndForeignIdsDoNothing) {
  for (int index : {2, 10, 20, 21}) EXPECT_TRUE(form.OnCommand(ContextCommandId(index)));
  EXPECT_TRUE(form.OnCommand(HelpCommandId(1)));
  EXPECT_FALSE(form.OnCommand(5));
  EXPECT_FALSE(form.OnCommand(3000));
  EXPECT_TRUE(f.log.empty());
  EXPECT_TRUE(f.messages.empty());
}

TEST_F(MainFormTest, ExitRestoresTheStampedTitleEvenWhenRestoringFails) {
  f.UnloadHook = [this] { form.Unload(); };
  form.OnCommand(ContextCommandId(kExitIndex));
  EXPECT_EQ(f.log, (Log{"unload", "apply 0"}));
  f.failUnloadTitle = true;
  EXPECT_NO_THROW(form.Unload());
}

TEST_F(MainFormTest, FailingCommandShowsItsDescriptionFailingTickShowsNothing) {
  f.failRules = true;
  EXPECT_TRUE(form.OnCommand(ContextCommandId(kReloadIndex)));
  ASSERT_EQ(f.messages.size(), 1u);
  EXPECT_EQ(f.messages[0], u"Файл правил не читается");

  f.failTick = true;
  form.OnTimer();
  form.OnTimer();
  EXPECT_EQ(f.messages.size(), 1u);
}

}  // namespace
}  // namespace lartsen
