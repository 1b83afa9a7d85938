// The files shipped beside the program: the default rules load and mean what they say.
#include <gtest/gtest.h>

#include <fstream>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rules/conditions.h"
#include "rules/like_text.h"
#include "rules/list_reader.h"
#include "rules/portable_ansi.h"
#include "support/text.h"

namespace lartsen {
namespace {

std::string ReadShipped(const std::string& name) {
  std::ifstream in(std::string(LARTSEN_SHIPPED_DIR) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The program folder holds the shipped Conditions.INI; no debug or per-user file exists.
class ShippedFolder : public EnvironmentPort, public FileReadPort {
 public:
  std::u16string ProgramFolder() override { return u"C:\\Lartsen"; }
  bool IsInIDE() override { return false; }
  std::u16string GetSpecialFolder(int) override { return u"C:\\AppData"; }
  std::u16string GetFullFileName(std::u16string_view path) override { return std::u16string(path); }
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override {
    if (path == u"C:\\Lartsen\\Conditions.INI") return mainFile ? *mainFile : ReadShipped("Conditions.INI");
    return std::nullopt;
  }
  std::optional<std::string> mainFile;  // in place of the shipped one
};

class NoMessages : public MessagePort {
 public:
  int shown = 0;
  void ShowMessage(std::u16string_view, unsigned) override { ++shown; }
};

bool Matches(const ConditionsTable& table, std::u16string_view className, std::u16string_view title,
             std::u16string_view exe) {
  const std::u16string_view facts[3] = {className, title, exe};
  for (const auto& rule : table.Conditions) {
    bool all = true;
    for (int c = 0; c < 3 && all; ++c) {
      if (rule[c] != u"*") all = LikeText(facts[c], rule[c]);
    }
    if (all) return true;
  }
  return false;
}

TEST(ShippedFiles, DefaultRulesLeaveTheShellAloneAndStampOrdinaryWindows) {
  ShippedFolder folder;
  PortableAnsiDecoder ansi;
  ListReader reader(folder, ansi);
  NoMessages messages;
  ConditionsTable table;
  ConditionsLoader(table, folder, reader, messages).LoadConditions();
  EXPECT_EQ(messages.shown, 0);  // the value count is a multiple of three
  ASSERT_TRUE(table.ConditionsLoaded);
  // Looking up the owning process on every tick costs; the defaults never need it.
  EXPECT_FALSE(table.ConditionColumnsUsed[2]);
  for (const auto* shell : {u"Progman", u"WorkerW", u"Shell_TrayWnd", u"Shell_SecondaryTrayWnd",
                            u"NotifyIconOverflowWindow", u"Ghost", u"#32768"}) {
    EXPECT_TRUE(Matches(table, shell, u"", u"explorer.exe")) << ToUtf8(shell);
  }
  EXPECT_TRUE(Matches(table, u"Button", u"Пуск", u"explorer.exe"));
  for (const auto* ordinary : {u"Notepad", u"MozillaWindowClass", u"132768", u"Button"}) {
    EXPECT_FALSE(Matches(table, ordinary, u"Документ - Блокнот", u"notepad.exe")) << ToUtf8(ordinary);
  }
}

TEST(ShippedFiles, TextFilesAreUtf8WithSignatureAndWindowsLineEnds) {
  for (const char* name : {"Conditions.INI", "Conditions.Optional.INI", "ReadMe.TXT"}) {
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

struct Facts {
  std::u16string className, title, exe;
};
struct Claims {
  std::vector<Facts> matches, misses;
};

TEST(ShippedFiles, EveryExampleRuleMatchesWhatItsDescriptionSays) {
  // What each example says it matches, and windows close to it that it must not match.
  const std::map<std::u16string, Claims> claims = {
      {u"*|*|notepad.exe",
       {{{u"Notepad", u"Безымянный - Блокнот", u"notepad.exe"}, {u"Edit", u"", u"NOTEPAD.EXE"}},
        {{u"Notepad", u"Безымянный - Блокнот", u"notepad++.exe"}, {u"Notepad", u"", u"mynotepad.exe"}}}},
      {u"Notepad|*|*",
       {{{u"Notepad", u"x", u"notepad.exe"}, {u"NOTEPAD", u"", u""}},
        {{u"Notepad++", u"x", u"notepad++.exe"}, {u"MyNotepad", u"", u""}}}},
      {u"ConsoleWindowClass|*|*",
       {{{u"ConsoleWindowClass", u"Командная строка", u"conhost.exe"}},
        {{u"ConsoleWindowClass2", u"", u""}, {u"CASCADIA_HOSTING_WINDOW_CLASS", u"", u""}}}},
      {u"Afx:*|*|*",
       {{{u"Afx:00400000:8:00010003:00000000:00000000", u"", u""}, {u"afx:", u"", u""}},
        {{u"MyAfx:1", u"", u""}, {u"Afx", u"", u""}}}},
      {u"*|*Презентация*|*",
       {{{u"x", u"Презентация1 - PowerPoint", u""}, {u"x", u"Годовая ПРЕЗЕНТАЦИЯ", u""}},
        {{u"x", u"Презентации - PowerPoint", u""}, {u"x", u"", u""}}}},
      {u"*|* - youtube*|*",
       {{{u"x", u"Котики - YouTube", u""}, {u"x", u"Котики - YouTube — Mozilla Firefox", u""},
         {u"x", u"Котики - youtube - Google Chrome", u""}},
        {{u"x", u"YouTube", u""}, {u"x", u"Котики — YouTube", u""}, {u"x", u"Котики -YouTube", u""}}}},
      {u"*|[]|*", {{{u"x", u"", u""}}, {{u"x", u" ", u""}, {u"x", u"Окно", u""}}}},
      {u"*|Отчёт ####|*",
       {{{u"x", u"Отчёт 2024", u""}, {u"x", u"отчёт 2025", u""}},
        {{u"x", u"Отчёт 24", u""}, {u"x", u"Отчёт 20245", u""}, {u"x", u"Отчёт 2024 - Word", u""}}}},
      {u"*|*|winword.exe",
       {{{u"OpusApp", u"Документ1 - Word", u"WINWORD.EXE"}}, {{u"OpusApp", u"", u"winword32.exe"}}}},
      {u"*|*|firefox.exe",
       {{{u"MozillaWindowClass", u"", u"firefox.exe"}}, {{u"MozillaWindowClass", u"", u"chrome.exe"}}}},
      {u"*|*|chrome.exe",
       {{{u"Chrome_WidgetWin_1", u"", u"chrome.exe"}}, {{u"Chrome_WidgetWin_1", u"", u"msedge.exe"}}}},
      {u"*|*|game*.exe",
       {{{u"x", u"", u"game.exe"}, {u"x", u"", u"GameLauncher.exe"}},
        {{u"x", u"", u"mygame.exe"}, {u"x", u"", u"game.exe.bak"}}}},
      {u"[#]32770|Свойства:*|explorer.exe",
       {{{u"#32770", u"Свойства: Документы", u"explorer.exe"}},
        {{u"#32770", u"Документы", u"explorer.exe"}, {u"132770", u"Свойства: Документы", u"explorer.exe"},
         {u"#32770", u"Свойства: Документы", u"notepad.exe"}}}},
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
    ShippedFolder folder;
    folder.mainFile = ToUtf8(rule[0] + u"\r\n" + rule[1] + u"\r\n" + rule[2] + u"\r\n");
    PortableAnsiDecoder ansi;
    ListReader reader(folder, ansi);
    NoMessages messages;
    ConditionsTable table;
    ConditionsLoader(table, folder, reader, messages).LoadConditions();
    ASSERT_EQ(table.Conditions.size(), 1u) << ToUtf8(key);
    for (const Facts& f : claim->second.matches) {
      EXPECT_TRUE(Matches(table, f.className, f.title, f.exe))
          << ToUtf8(key) << " should match " << ToUtf8(f.className + u"|" + f.title + u"|" + f.exe);
    }
    for (const Facts& f : claim->second.misses) {
      EXPECT_FALSE(Matches(table, f.className, f.title, f.exe))
          << ToUtf8(key) << " should not match " << ToUtf8(f.className + u"|" + f.title + u"|" + f.exe);
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

}  // namespace
}  // namespace lartsen
