// Rules on Windows: ranges in the user's collation, rules files read through the real adapters.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/collation_win32.h"
#include "platform/win32/list_reader_win32.h"
#include "rules/conditions.h"
#include "rules/like_text.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_messages.h"

namespace lartsen::win32 {
namespace {

TEST(Win32Collation, RangesFollowTheUserLocale) {
  const CharacterOrder& order = UserCharacterOrder();
  EXPECT_TRUE(LikeText(u"ё", u"[а-я]", order));
  EXPECT_TRUE(LikeText(u"Ё", u"[а-я]", order));
  EXPECT_TRUE(LikeText(u"Ж", u"[а-я]", order));
  EXPECT_FALSE(LikeText(u"z", u"[а-я]", order));
  EXPECT_TRUE(LikeText(u"Q", u"[a-z]", order));
  EXPECT_TRUE(LikeText(u"Build 7", u"Build [0-9]", order));
  EXPECT_FALSE(LikeText(u"Build x", u"Build [0-9]", order));
  EXPECT_FALSE(LikeText(u"m", u"[z-a]", order));
  EXPECT_TRUE(LikeText(u"x", u"[!0-9]", order));
  EXPECT_LT(order.Compare(u'-', u'a'), 0);  // string sort: the hyphen is not ignored
  EXPECT_EQ(order.Compare(u'Я', u'я'), 0);
}

std::u16string TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, buffer);
  std::u16string folder(buffer, buffer + lstrlenW(buffer));
  if (!folder.empty() && folder.back() == u'\\') folder.pop_back();
  return folder + u"\\Ларцен правила тест";
}

void WriteTestFile(const std::u16string& path, const std::string& bytes) {
  const std::wstring name(path.begin(), path.end());
  const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Utf16LeWithSignature(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TEST(Win32RulesFiles, Utf16AndAnsiFilesGiveCyrillicPatterns) {
  ASSERT_EQ(GetACP(), 1251u) << "the test expects a Russian locale (LC_ALL=ru_RU.UTF-8)";
  const std::u16string folder = TempFolder();
  const std::wstring wide_folder(folder.begin(), folder.end());
  CreateDirectoryW(wide_folder.c_str(), nullptr);
  WriteTestFile(folder + u"\\Conditions.INI", Utf16LeWithSignature(u"; правила\r\n*\r\nБЛОКНОТ - [а-я]*\r\n*\r\n"));
  // "Проводник", "*", "*" in Windows-1251, without a signature.
  WriteTestFile(folder + u"\\Conditions.Debug.INI", "\xCF\xF0\xEE\xE2\xEE\xE4\xED\xE8\xEA\r\n*\r\n*\r\n");

  Win32FileReader files;
  Win32AnsiDecoder ansi;
  ListReader reader(files, ansi);
  FakeEnvironment environment(folder);
  environment.appData = folder + u"\\appdata";
  FakeMessages messages;
  ConditionsTable table;
  ConditionsLoader(table, environment, reader, messages).LoadConditions();
  EXPECT_TRUE(messages.shown.empty());

  ASSERT_EQ(table.Conditions.size(), 2u);
  const CharacterOrder& order = UserCharacterOrder();
  EXPECT_TRUE(LikeText(u"Блокнот - ёлка.txt", table.Conditions[0][kTitleColumn], order));
  EXPECT_FALSE(LikeText(u"Блокнот - tree.txt", table.Conditions[0][kTitleColumn], order));
  EXPECT_TRUE(LikeText(u"ПРОВОДНИК", table.Conditions[1][kClassColumn], order));
  EXPECT_FALSE(LikeText(u"Проводник2", table.Conditions[1][kClassColumn], order));

  EXPECT_EQ(files.ReadFileBytes(folder + u"\\absent.INI"), std::nullopt);
  DeleteFileW((wide_folder + L"\\Conditions.INI").c_str());
  DeleteFileW((wide_folder + L"\\Conditions.Debug.INI").c_str());
  RemoveDirectoryW(wide_folder.c_str());
}

TEST(Win32RulesFiles, FilesAboveTheLimitAreRefused) {
  const std::u16string folder = TempFolder() + u"-limit";
  const std::wstring wide_folder(folder.begin(), folder.end());
  CreateDirectoryW(wide_folder.c_str(), nullptr);
  WriteTestFile(folder + u"\\big.INI", std::string(kMaxListFileBytes + 1, 'x'));
  Win32FileReader files;
  EXPECT_EQ(files.ReadFileBytes(folder + u"\\big.INI"), std::nullopt);
  DeleteFileW((wide_folder + L"\\big.INI").c_str());
  RemoveDirectoryW(wide_folder.c_str());
}

}  // namespace
}  // namespace lartsen::win32
