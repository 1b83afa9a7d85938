// The files shipped beside the program: the default rules load and mean what they say.
#include <gtest/gtest.h>

#include <fstream>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rules/list_reader.h"
#include "rules/portable_ansi.h"
#include "rules/testing/fake_files.h"
#include "rules/testing/loaded_rules.h"
#include "support/testing/fake_environment.h"
#include "support/text.h"
#include "support/ui_text.h"

namespace lartsen {
namespace {

std::string ReadShipped(const std::string& name, const char* folder = LARTSEN_SHIPPED_DIR) {
  std::ifstream in(std::string(folder) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The program folder holds the main rules file; no debug or per-user file exists.
const std::u16string kMainFile = u"C:\\Lartsen\\Conditions.INI";

TEST(ShippedFiles, DefaultRulesLeaveTheShellAloneAndStampOrdinaryWindows) {
  FakeEnvironment environment(u"C:\\Lartsen");
  FakeFiles files;
  files.files[kMainFile] = ReadShipped("Conditions.INI");
  const LoadedRules rules(environment, files);
  EXPECT_TRUE(rules.messages.shown.empty());  // the value count is a multiple of three
  ASSERT_TRUE(rules.table.ConditionsLoaded);
  // Looking up the owning process on every tick costs; the defaults never need it.
  EXPECT_FALSE(rules.table.ConditionColumnsUsed[2]);
  for (const auto* shell : {u"Progman", u"WorkerW", u"Shell_TrayWnd", u"Shell_SecondaryTrayWnd",
                            u"NotifyIconOverflowWindow", u"Ghost", u"#32768"}) {
    EXPECT_TRUE(rules.Matches(shell, u"", u"explorer.exe")) << ToUtf8(shell);
  }
  EXPECT_TRUE(rules.Matches(u"Button", u"Пуск", u"explorer.exe"));
  for (const auto* ordinary : {u"Notepad", u"MozillaWindowClass", u"132768", u"Button"}) {
    EXPECT_FALSE(rules.Matches(ordinary, u"Документ - Блокнот", u"notepad.exe")) << ToUtf8(ordinary);
  }
}

TEST(ShippedFiles, TextFilesAreUtf8WithSignatureAndWindowsLineEnds) {
  for (const char* name : {"Conditions.INI", "Conditions.Optional.INI", "ReadMe.TXT", "ReadMe.en.TXT"}) {
    const std::string bytes = ReadShipped(name);
    ASSERT_GT(bytes.size(), 3u) << name;
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << name;
    EXPECT_TRUE(IsValidUtf8(bytes)) << name;
    std::size_t bareLineFeeds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++bareLineFeeds;
    }
    EXPECT_EQ(bareLineFeeds, 0u) << name;  // older Notepad shows bare line feeds as one line
  }
}

TEST(ShippedFiles, TheExamplesFileHoldsNoActiveRule) {
  PortableAnsiDecoder ansi;
  const auto values = ListReader::SplitList(DecodeListText(ReadShipped("Conditions.Optional.INI"), ansi), u";",
                                            true, true, 0, 0);
  EXPECT_TRUE(values.empty());
}

// The example rules of the examples file: in its comments, three lines of values after a line
// that ends with a colon (or alone in their paragraph, as the second of two rules).
std::vector<std::array<std::u16string, 3>> ExampleRules() {
  PortableAnsiDecoder ansi;
  const std::u16string text = DecodeListText(ReadShipped("Conditions.Optional.INI"), ansi);
  std::vector<std::vector<std::u16string>> paragraphs(1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u"\r\n", start);
    if (end == std::u16string::npos) end = text.size();
    std::u16string line = text.substr(start, end - start);
    start = end + 2;
    if (line.starts_with(u";")) line.erase(0, 1);
    if (line.starts_with(u" ")) line.erase(0, 1);
    if (line.empty()) {
      paragraphs.emplace_back();
    } else {
      paragraphs.back().push_back(line);
    }
  }
  auto isValue = [](const std::u16string& line) {
    return !line.empty() && line[0] != u' ' && !line.starts_with(u"---");
  };
  std::vector<std::array<std::u16string, 3>> rules;
  for (const auto& lines : paragraphs) {
    const std::size_t n = lines.size();
    if (n < 3 || !isValue(lines[n - 3]) || !isValue(lines[n - 2]) || !isValue(lines[n - 1])) continue;
    if (n > 3 && !lines[n - 4].ends_with(u":")) continue;
    rules.push_back({lines[n - 3], lines[n - 2], lines[n - 1]});
  }
  return rules;
}

// Splits "class|title|exe" into its three values.
std::array<std::u16string, 3> Fields(const std::u16string& window) {
  const std::size_t first = window.find(u'|'), second = window.find(u'|', first + 1);
  return {window.substr(0, first), window.substr(first + 1, second - first - 1), window.substr(second + 1)};
}

TEST(ShippedFiles, EveryExampleRuleMatchesWhatItsDescriptionSays) {
  // What each example says it matches, and windows close to it that it must not match, all
  // written as class|title|exe.
  struct Claims {
    std::vector<std::u16string> matches, misses;
  };
  const std::map<std::u16string, Claims> claims = {
      {u"*|*|notepad.exe",
       {{u"Notepad|Безымянный - Блокнот|notepad.exe", u"Edit||NOTEPAD.EXE"},
        {u"Notepad|Безымянный - Блокнот|notepad++.exe", u"Notepad||mynotepad.exe"}}},
      {u"Notepad|*|*", {{u"Notepad|x|notepad.exe", u"NOTEPAD||"}, {u"Notepad++|x|notepad++.exe", u"MyNotepad||"}}},
      {u"ConsoleWindowClass|*|*",
       {{u"ConsoleWindowClass|Командная строка|conhost.exe"},
        {u"ConsoleWindowClass2||", u"CASCADIA_HOSTING_WINDOW_CLASS||"}}},
      {u"Afx:*|*|*", {{u"Afx:00400000:8:00010003:00000000:00000000||", u"afx:||"}, {u"MyAfx:1||", u"Afx||"}}},
      {u"*|*Презентация*|*",
       {{u"x|Презентация1 - PowerPoint|", u"x|Годовая ПРЕЗЕНТАЦИЯ|"}, {u"x|Презентации - PowerPoint|", u"x||"}}},
      {u"*|* - youtube*|*",
       {{u"x|Котики - YouTube|", u"x|Котики - YouTube — Mozilla Firefox|", u"x|Котики - youtube - Google Chrome|"},
        {u"x|YouTube|", u"x|Котики — YouTube|", u"x|Котики -YouTube|"}}},
      {u"*|[]|*", {{u"x||"}, {u"x| |", u"x|Окно|"}}},
      {u"*|Отчёт ####|*",
       {{u"x|Отчёт 2024|", u"x|отчёт 2025|"}, {u"x|Отчёт 24|", u"x|Отчёт 20245|", u"x|Отчёт 2024 - Word|"}}},
      {u"*|*|winword.exe", {{u"OpusApp|Документ1 - Word|WINWORD.EXE"}, {u"OpusApp||winword32.exe"}}},
      {u"*|*|firefox.exe", {{u"MozillaWindowClass||firefox.exe"}, {u"MozillaWindowClass||chrome.exe"}}},
      {u"*|*|chrome.exe", {{u"Chrome_WidgetWin_1||chrome.exe"}, {u"Chrome_WidgetWin_1||msedge.exe"}}},
      {u"*|*|game*.exe", {{u"x||game.exe", u"x||GameLauncher.exe"}, {u"x||mygame.exe", u"x||game.exe.bak"}}},
      {u"[#]32770|Свойства:*|explorer.exe",
       {{u"#32770|Свойства: Документы|explorer.exe"},
        {u"#32770|Документы|explorer.exe", u"132770|Свойства: Документы|explorer.exe",
         u"#32770|Свойства: Документы|notepad.exe"}}},
  };
  std::set<std::u16string> seen;
  for (const auto& rule : ExampleRules()) {
    const std::u16string key = rule[0] + u"|" + rule[1] + u"|" + rule[2];
    seen.insert(key);
    const auto claim = claims.find(key);
    if (claim == claims.end()) {
      ADD_FAILURE() << "an example rule without claims: " << ToUtf8(key);
      continue;
    }
    // The rule as the program reads it from a rules file.
    FakeEnvironment environment(u"C:\\Lartsen");
    FakeFiles files;
    files.files[kMainFile] = ToUtf8(rule[0] + u"\r\n" + rule[1] + u"\r\n" + rule[2] + u"\r\n");
    const LoadedRules loaded(environment, files);
    ASSERT_EQ(loaded.table.Conditions.size(), 1u) << ToUtf8(key);
    for (const auto& window : claim->second.matches) {
      const auto [className, title, exe] = Fields(window);
      EXPECT_TRUE(loaded.Matches(className, title, exe)) << ToUtf8(key) << " should match " << ToUtf8(window);
    }
    for (const auto& window : claim->second.misses) {
      const auto [className, title, exe] = Fields(window);
      EXPECT_FALSE(loaded.Matches(className, title, exe)) << ToUtf8(key) << " should not match " << ToUtf8(window);
    }
  }
  for (const auto& [key, unused] : claims) {
    EXPECT_TRUE(seen.contains(key)) << "no longer in the file: " << ToUtf8(key);
  }
}

TEST(ShippedFiles, ReadMeNamesEveryPlaceholderAndCommand) {
  const std::u16string readMe = FromUtf8(ReadShipped("ReadMe.TXT"));
  for (const auto* needle :
       {u"%Time%", u"%MemoryLoadPercent%", u"%MemoryAvailPercent%", u"%FreePhysical%", u"%UsedPhysical%",
        u"%TotalPhysical%", u"%FreePageFile%", u"%UsedPageFile%", u"%TotalPageFile%", u"%FreeVirtual%",
        u"%UsedVirtual%", u"%FreeExtendedVirtual%", u"%TotalVirtual%", u"%FreePhysical_fb%",
        u"%UsedPhysical_fb%", u"%TotalPhysical_fb%", u"%FreePageFile_fb%", u"%UsedPageFile_fb%",
        u"%TotalPageFile_fb%", u"%FreeVirtual_fb%", u"%UsedVirtual_fb%", u"%FreeExtendedVirtual_fb%",
        u"%TotalVirtual_fb%", u"Перезагрузить списки", u"Настройки...", u"Дополнительные правила...",
        u"Примеры дополнительных правил...", u"Запускать с Windows", u"О программе...", u"Выход",
        u"HKEY_CURRENT_USER\\Software\\Nerrowind\\Ларцен", u"Conditions.Debug.INI", u"ttttt"}) {
    EXPECT_NE(readMe.find(needle), std::u16string::npos) << ToUtf8(needle);
  }
}

// The English read-me speaks of the commands as the English menu names them, and both read-mes
// of both sets tell how the language is chosen.
TEST(ShippedFiles, ReadMesInBothLanguagesNameTheCommandsAndTheLanguageValue) {
  const std::u16string english = FromUtf8(ReadShipped("ReadMe.en.TXT"));
  for (const UiText command : {UiText::MenuReload, UiText::MenuSettings, UiText::MenuOptionalConditions,
                               UiText::MenuOptionalSamples, UiText::MenuAutoStart, UiText::MenuAbout,
                               UiText::MenuExit}) {
    const std::u16string caption(TextOf(command, UiLanguage::English));
    EXPECT_NE(english.find(caption), std::u16string::npos) << ToUtf8(caption);
  }
  EXPECT_NE(english.find(u"%FreeExtendedVirtual_fb%"), std::u16string::npos);
  EXPECT_NE(english.find(u"HKEY_CURRENT_USER\\Software\\Nerrowind\\Ларцен"), std::u16string::npos);
  const std::u16string linuxEnglish = FromUtf8(ReadShipped("ReadMe.en.TXT", LARTSEN_LINUX_SHIPPED_DIR));
  EXPECT_NE(linuxEnglish.find(TextOf(UiText::MenuAutoStartSession, UiLanguage::English)), std::u16string::npos);
  struct Mention {
    const char *folder, *name;
    std::u16string_view value;
  };
  for (const auto& [folder, name, value] :
       {Mention{LARTSEN_SHIPPED_DIR, "ReadMe.TXT", u"«Language»"}, Mention{LARTSEN_SHIPPED_DIR, "ReadMe.en.TXT", u"\"Language\""},
        Mention{LARTSEN_LINUX_SHIPPED_DIR, "ReadMe.TXT", u"«Language=»"},
        Mention{LARTSEN_LINUX_SHIPPED_DIR, "ReadMe.en.TXT", u"\"Language=\""}}) {
    const std::u16string text = FromUtf8(ReadShipped(name, folder));
    EXPECT_NE(text.find(value), std::u16string::npos) << folder << "/" << name;
    EXPECT_NE(text.find(u"ReadMe.en.TXT"), std::u16string::npos) << folder << "/" << name;
  }
}

// The Linux set as the program reads it: the default rules load, the examples stay comments.
TEST(ShippedFiles, LinuxRulesFilesLoadAndTheExamplesStayComments) {
  FakeEnvironment environment(u"C:\\Lartsen");
  FakeFiles files;
  files.files[kMainFile] = ReadShipped("Conditions.INI", LARTSEN_LINUX_SHIPPED_DIR);
  const LoadedRules rules(environment, files);
  EXPECT_TRUE(rules.messages.shown.empty());
  EXPECT_TRUE(rules.table.ConditionsLoaded);
  PortableAnsiDecoder ansi;
  const auto examples = ReadShipped("Conditions.Optional.INI", LARTSEN_LINUX_SHIPPED_DIR);
  EXPECT_TRUE(ListReader::SplitList(DecodeListText(examples, ansi), u";", true, true, 0, 0).empty());
}

}  // namespace
}  // namespace lartsen
