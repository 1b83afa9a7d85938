// The files shipped beside the program: the default rules load and mean what they say.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

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
    if (path == u"C:\\Lartsen\\Conditions.INI") return ReadShipped("Conditions.INI");
    return std::nullopt;
  }
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
