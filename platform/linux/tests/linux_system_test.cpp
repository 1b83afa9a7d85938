// The Linux system services: LC_TIME record, collation, settings file, autostart entry, instance lock.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/stamp_journal.h"
#include "platform/linux/system/auto_start_linux.h"
#include "platform/linux/system/collation_linux.h"
#include "platform/linux/system/environment_linux.h"
#include "platform/linux/system/display_name.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/journal_file_store.h"
#include "platform/linux/system/locale_linux.h"
#include "platform/linux/system/proc_process.h"
#include "platform/linux/system/rules_file_commands.h"
#include "platform/linux/system/single_instance_linux.h"
#include "platform/linux/system/file_reader_linux.h"
#include "platform/linux/x11/text_property.h"
#include "rules/conditions.h"
#include "rules/like_text.h"
#include "rules/optional_conditions.h"
#include "rules/testing/loaded_rules.h"
#include "settings/settings_store.h"
#include "support/error.h"
#include "support/testing/fake_messages.h"
#include "support/testing/fake_shell.h"
#include "support/text.h"
#include "template/time_format.h"

namespace lartsen {
namespace {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/lartsen-test.XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct NullTimer : RefreshTimerPort {
  void Disable() override {}
  void SetInterval(std::int32_t) override {}
  void Enable() override {}
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(LinuxLocale, StrftimePatternsBecomePictures) {
  EXPECT_EQ(StrftimePicture("%d.%m.%Y"), u"dd.MM.yyyy");
  EXPECT_EQ(StrftimePicture("%I:%M:%S %p"), u"hh:mm:ss tt");
  EXPECT_EQ(StrftimePicture("%T"), u"HH:mm:ss");
  EXPECT_EQ(StrftimePicture("%e de %B"), u"d 'de' MMMM");
  EXPECT_EQ(StrftimePicture("%Y年%m月%d日"), u"yyyy'年'MM'月'dd'日'");
}

TEST(LinuxLocale, RussianRecordFromTheCLibrary) {
  const LocaleInfo ru = LinuxLocaleInfo("ru_RU.UTF-8");
  if (ru.MonthNames[0] == u"January") {
    GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  }
  EXPECT_EQ(ru.MonthNames[0], u"Январь");  // the standalone form, as Windows names it
  EXPECT_EQ(ru.GenitiveMonthNames[0], u"января");
  EXPECT_EQ(ru.DateSeparator, u".");
  EXPECT_EQ(ru.DecimalSeparator, u",");
  const double moment = 46363.58699;  // 7 December 2026 14:05:16
  EXPECT_EQ(FormatDateTime(moment, u"ttttt", ru), u"14:05:16");
  EXPECT_EQ(FormatDateTime(moment, u"ddddd", ru), u"07.12.2026");
  EXPECT_EQ(FormatDateTime(moment, u"dddddd", ru), u"7 декабря 2026");
}

TEST(LinuxLocale, CLocaleRecord) {
  const LocaleInfo c = LinuxLocaleInfo("C");
  EXPECT_EQ(c.Name, u"en-US");
  EXPECT_EQ(c.MonthNames[11], u"December");
  EXPECT_EQ(c.AmDesignator, u"AM");
  EXPECT_EQ(c.DateSeparator, u"/");
  EXPECT_EQ(FormatDateTime(46363.58699, u"ttttt", c), u"14:05:16");
}

TEST(X11TextProperty, CompoundTextSetsAndUtf8Segments) {
  using x11::DecodeTextProperty;
  using x11::TextEncoding;
  EXPECT_EQ(DecodeTextProperty(TextEncoding::CompoundText, "ab\x1b-L\xb0\xef\xf0 \x1b-A\xe9\x1b%G\xd0\x96\x1b%@z"),
            u"abАя№ éЖz");
  EXPECT_EQ(DecodeTextProperty(TextEncoding::Latin1, "Caf\xe9"), u"Café");
  EXPECT_EQ(DecodeTextProperty(TextEncoding::Utf8, "Кофе"), u"Кофе");
}

TEST(X11TextProperty, TextsNotDecodedExactlySaySo) {
  using x11::DecodeTextProperty;
  using x11::TextEncoding;
  auto exact = [](TextEncoding encoding, std::string_view bytes) {
    bool whole = false;
    DecodeTextProperty(encoding, bytes, &whole);
    return whole;
  };
  EXPECT_TRUE(exact(TextEncoding::CompoundText, "ab\x1b-L\xb0\x1b-A\xe9\x1b(B!\x1b%G\xd0\x96\x1b%@"));
  EXPECT_TRUE(exact(TextEncoding::Latin1, "Caf\xe9"));
  EXPECT_FALSE(exact(TextEncoding::Utf8, "\xd0"));
  EXPECT_FALSE(exact(TextEncoding::CompoundText, "\x1b-B\xa3"));          // another right half
  EXPECT_FALSE(exact(TextEncoding::CompoundText, "\x1b$(B\x30\x21"));    // a four-byte designation
  EXPECT_FALSE(exact(TextEncoding::CompoundText, "\x1b%/1\x80\x85x"));   // an extended segment
  EXPECT_FALSE(exact(TextEncoding::CompoundText, "\x1b%G\xff\x1b%@"));   // malformed UTF-8 inside
  EXPECT_TRUE(exact(TextEncoding::CompoundText, "\x1b-B plain"));         // designated, never used
}

TEST(LinuxCollation, RangesFollowTheUsersCollationIgnoringCase) {
  const LinuxCharacterOrder ru("ru_RU.UTF-8");
  EXPECT_TRUE(LikeText(u"ё", u"[а-я]", ru));
  EXPECT_TRUE(LikeText(u"Б", u"[а-в]", ru));
  EXPECT_FALSE(LikeText(u"г", u"[а-в]", ru));
  const LinuxCharacterOrder c("C");  // the portable order stands in
  EXPECT_TRUE(LikeText(u"ё", u"[а-я]", c));
}

TEST(IniSettingsStore, SettingsSurviveASaveAndComeBack) {
  TempFolder folder;
  const std::string path = folder.path() + "/Nerrowind/Ларцен/Settings.INI";
  auto factory = [&] { return std::make_unique<IniSettingsStore>(path); };
  NullTimer timer;
  Settings saved{u"hh:nn", u" «%time%» ", 250};
  SaveSettings(saved, factory);
  const std::string text = ReadAll(path);
  EXPECT_NE(text.find("Tittle Pattern=\" «%time%» \""), std::string::npos);
  EXPECT_NE(text.find("Refresh Rate=250"), std::string::npos);
  Settings loaded;
  LoadSettings(loaded, factory, [](std::u16string_view) {}, timer);
  EXPECT_EQ(loaded.TimeFormat, u"hh:nn");
  EXPECT_EQ(loaded.TitlePattern, u" «%time%» ");
  EXPECT_EQ(loaded.RefreshRate, 250);

  // A rate that is no number keeps the previous value; an empty store gives the defaults.
  std::ofstream(path) << "Refresh Rate=быстро\n";
  LoadSettings(loaded, factory, [](std::u16string_view) {}, timer);
  EXPECT_EQ(loaded.RefreshRate, 250);
  EXPECT_EQ(loaded.TitlePattern, u"[%time%]");
}

TEST(IniSettingsStore, TextWithLineBreaksAndBackslashesComesBackWhole) {
  TempFolder folder;
  IniSettingsStore store(folder.path() + "/Settings.INI");
  const std::u16string text = u"первая\nвторая\r\t\\n \"в кавычках\" \x01";
  store.WriteSetting(u"", u"Stamped Window", SettingKind::Text, text);
  store.WriteSetting(u"", u"Time Format", SettingKind::Text, std::u16string(u"hh\\:nn"));
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", u"Stamped Window", SettingKind::Text, {})), text);
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", u"Time Format", SettingKind::Text, {})), u"hh\\:nn");
  // One line per key, whatever the text holds; a hand-written backslash stands for itself.
  std::ofstream(folder.path() + "/Settings.INI", std::ios::app) << "Tittle Pattern=\"[\\%time%]\"\n";
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", kTitlePatternKey, SettingKind::Text, {})), u"[\\%time%]");
  const std::string file = ReadAll(folder.path() + "/Settings.INI");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3);
}

unsigned ModeOf(const std::string& path) {
  return static_cast<unsigned>(std::filesystem::status(path).permissions()) & 0777;
}

TEST(IniSettingsStore, SavesKeepTheModeAndTheLinkAndNeverReplaceAFileThatCannotBeRead) {
  TempFolder folder;
  const Settings settings{u"hh:nn", u"[%time%]", 500};
  const std::string fresh = folder.path() + "/new/Settings.INI";
  SaveSettings(settings, [&] { return std::make_unique<IniSettingsStore>(fresh); });
  EXPECT_EQ(ModeOf(fresh), 0600u);  // it may name the window the user works in

  const std::string target = folder.path() + "/dotfiles/Settings.INI";
  const std::string link = folder.path() + "/Settings.INI";
  std::filesystem::create_directories(folder.path() + "/dotfiles");
  std::ofstream(target) << "; mine\nRefresh Rate=7\n";
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  std::filesystem::create_symlink("dotfiles/Settings.INI", link);
  SaveSettings(settings, [&] { return std::make_unique<IniSettingsStore>(link); });
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ModeOf(target), 0640u);
  EXPECT_EQ(ReadAll(target), "; mine\nRefresh Rate=500\nTime Format=\"hh:nn\"\nTittle Pattern=\"[%time%]\"\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() + "/dotfiles"), {}), 1);

  // A folder where the file should be cannot be read: the write names it and changes nothing.
  const std::string blocked = folder.path() + "/blocked/Settings.INI";
  std::filesystem::create_directories(blocked + "/inside");
  IniSettingsStore store(blocked);
  try {
    store.WriteSetting(u"", kRefreshRateKey, SettingKind::Number, 5);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_NE(error.description().find(FromUtf8(blocked)), std::u16string::npos);
  }
  // In the user's language, the file and the system's reason after the words.
  try {
    IniSettingsStore(blocked, UiLanguage::English).WriteSetting(u"", kRefreshRateKey, SettingKind::Number, 5);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.description().rfind(u"Could not read " + FromUtf8(blocked) + u": ", 0), 0u);
  }
  EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
  if (geteuid() != 0) {  // permissions do not stop root
    std::filesystem::permissions(folder.path() + "/dotfiles", std::filesystem::perms(0500));
    EXPECT_THROW(SaveSettings(settings, [&] { return std::make_unique<IniSettingsStore>(link); }), Error);
    std::filesystem::permissions(folder.path() + "/dotfiles", std::filesystem::perms(0700));
  }
}

TEST(FileReaderLinux, AMissingFileIsNoRulesAndAFolderInItsPlaceAnError) {
  TempFolder folder;
  FileReaderLinux files;
  EXPECT_FALSE(files.ReadFileBytes(FromUtf8(folder.path() + "/Conditions.INI")));
  std::filesystem::create_directory(folder.path() + "/Conditions.INI");
  EXPECT_THROW(files.ReadFileBytes(FromUtf8(folder.path() + "/Conditions.INI")), Error);
}

TEST(DisplayName, SpellingsOfOneServerMeetInOneName) {
  EXPECT_EQ(ServerOfDisplay(":0", "box"), ":0");
  EXPECT_EQ(ServerOfDisplay(":0.0", "box"), ":0");
  EXPECT_EQ(ServerOfDisplay("unix:00.1", "box"), ":0");
  EXPECT_EQ(ServerOfDisplay("localhost:10.0", "box"), ":10");
  EXPECT_EQ(ServerOfDisplay("box:2", "box"), ":2");
  EXPECT_EQ(ServerOfDisplay("tcp/far:1.0", "box"), "far:1");
  EXPECT_EQ(ServerOfDisplay("far", "box"), "");
  EXPECT_EQ(ServerOfDisplay(":x", "box"), "");
}

TEST(JournalFileStore, KeepsTheCoresTextPrivatelyAndTakesOverAnOldSettingsLine) {
  TempFolder folder;
  const std::string path = folder.path() + "/lartsen-:0.journal";
  JournalFileStore journal(path);
  const std::u16string record = u"42 7 4 ОкноОкно [12:00:00]\n";
  journal.WriteSetting(u"", kStampJournalKey, SettingKind::Text, record);
  EXPECT_EQ(ModeOf(path), 0600u);
  EXPECT_EQ(std::get<std::u16string>(journal.ReadSetting(u"", kStampJournalKey, SettingKind::Text, {})), record);
  journal.WriteSetting(u"", kStampJournalKey, SettingKind::Text, std::u16string());
  EXPECT_FALSE(std::filesystem::exists(path));

  const std::string settingsPath = folder.path() + "/Settings.INI";
  std::ofstream(settingsPath) << "Refresh Rate=9\nStamped Window=\"1 2 1 aa [1]\"\n";
  IniSettingsStore settings(settingsPath);
  MoveJournalOutOfSettings(settings, journal);
  EXPECT_EQ(std::get<std::u16string>(journal.ReadSetting(u"", kStampJournalKey, SettingKind::Text, {})), u"1 2 1 aa [1]");
  EXPECT_EQ(ReadAll(settingsPath), "Refresh Rate=9\n");
  MoveJournalOutOfSettings(settings, journal);  // once only: nothing left to move, nothing written
  EXPECT_EQ(ReadAll(settingsPath), "Refresh Rate=9\n");
}

TEST(XdgAutoStart, EntryIsWrittenReadAndRemoved) {
  TempFolder folder;
  XdgAutoStart autoStart("/opt/my apps/lartsen", folder.path() + "/autostart");
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(AppGuid));
  autoStart.EnableAutoStart(AppGuid);
  EXPECT_TRUE(autoStart.IsAutoStartEnabled(AppGuid));
  EXPECT_NE(ReadAll(autoStart.EntryPath()).find("Exec=\"/opt/my apps/lartsen\"\n"), std::string::npos);
  // Session managers read the entry as launchers do: its English name with a Russian variant must pass.
  if (std::filesystem::exists("/usr/bin/desktop-file-validate")) {
    const std::string check = "/usr/bin/desktop-file-validate '" + autoStart.EntryPath() + "' 2>&1";
    std::string said;
    if (FILE* pipe = popen(check.c_str(), "r")) {
      char buffer[256];
      while (std::fgets(buffer, sizeof buffer, pipe)) said += buffer;
      EXPECT_EQ(pclose(pipe), 0) << said;
    }
    EXPECT_EQ(said, "");
  }
  std::ofstream(autoStart.EntryPath(), std::ios::app) << "Hidden=true\n";
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(AppGuid));
  autoStart.DisableAutoStart(AppGuid);
  EXPECT_FALSE(std::filesystem::exists(autoStart.EntryPath()));
  EXPECT_NO_THROW(autoStart.DisableAutoStart(AppGuid));
}

TEST(SingleInstanceLock, OnlyOneHolderAtATime) {
  TempFolder folder;
  const std::string path = folder.path() + "/lartsen.lock";
  auto first = std::make_unique<SingleInstanceLock>(path);
  EXPECT_TRUE(first->ClaimInstance());
  SingleInstanceLock second(path);
  EXPECT_FALSE(second.ClaimInstance());
  first.reset();
  EXPECT_TRUE(second.ClaimInstance());
}

TEST(LinuxProcess, ImagePathAndDataFolder) {
  EXPECT_EQ(ProcessImagePath(0), u"");
  const std::u16string own = ProcessImagePath(static_cast<std::uint32_t>(getpid()));
  EXPECT_TRUE(own.ends_with(u"/linux_system_tests")) << std::string(own.begin(), own.end());
  // The build tree keeps the rules beside the programs, so the data folder is theirs.
  EnvironmentLinux environment("/nonexistent");
  EXPECT_EQ(environment.ProgramFolder(), FromUtf8(ExecutableFolder()));
}

TEST(RulesFileCommands, UserRulesFolderIsMadeFirstAndFailuresAreReported) {
  TempFolder folder;
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  EnvironmentLinux environment;
  FakeShell shell;
  FakeMessages messages;
  RulesFileCommands commands(environment, shell, messages);
  commands.OpenOptionalConditions();
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() + "/Nerrowind/Ларцен"));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].path, FromUtf8(folder.path()) + u"/Nerrowind/Ларцен/Conditions.INI");
  EXPECT_EQ(shell.opened[0].folder, FromUtf8(folder.path()) + u"/Nerrowind/Ларцен");
  commands.OpenOptionalConditionsSamples();
  EXPECT_EQ(shell.opened[1].path, environment.ProgramFolder() + u"/Conditions.Optional.INI");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, u"Не удалось открыть файл с дополнительными правилами.");
  EXPECT_EQ(messages.shown[1].text, u"Не удалось открыть файл с примерами дополнительными правилами.");
  EXPECT_EQ(messages.shown[1].style, message_style::kCritical);
  shell.succeeds = true;
  commands.OpenOptionalConditions();
  EXPECT_EQ(messages.shown.size(), 2u);
  unsetenv("XDG_CONFIG_HOME");
}

TEST(LinuxRulesFile, LeavesDesktopsPanelsAndNotificationsAloneAndStampsTheRest) {
  TempFolder folder;
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);  // no user rules
  EnvironmentLinux environment;  // the build tree: the Linux rules file lies beside this test
  FileReaderLinux files;
  const LoadedRules rules(environment, files);
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(rules.table.ConditionsLoaded);
  EXPECT_TRUE(rules.messages.shown.empty());
  EXPECT_FALSE(rules.table.ConditionColumnsUsed[kProcessColumn]);  // so no process is looked up
  auto leftAlone = [&](std::u16string_view klass, std::u16string_view title) { return rules.Matches(klass, title, u""); };
  EXPECT_TRUE(leftAlone(u"Xfce4-panel", u"xfce4-panel"));
  EXPECT_TRUE(leftAlone(u"Xfdesktop", u"Рабочий стол"));
  EXPECT_TRUE(leftAlone(u"Caja", u"x-caja-desktop"));
  EXPECT_TRUE(leftAlone(u"Dunst", u"dunst"));
  EXPECT_TRUE(leftAlone(u"trayer", u"panel"));
  EXPECT_FALSE(leftAlone(u"Caja", u"Домашняя папка"));
  EXPECT_FALSE(leftAlone(u"Gedit", u"Документ 1 - gedit"));
  EXPECT_FALSE(leftAlone(u"XTerm", u"user@host: ~"));
}

}  // namespace
}  // namespace lartsen
