// The real Lartsen.exe driven through its menu commands: the rules files opened for editing,
// the read-me file and the settings dialog, with the message boxes read from outside.
#include <windows.h>
#include <shlwapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/tests/e2e/e2e_processes.h"
#include "platform/win32/ui/tests/dialog_driving.h"

namespace {

using namespace lartsen::e2e;
using namespace lartsen::win32::driving;

constexpr int kAboutTitle = 202;
// Control ids of the settings dialog.
constexpr int kRefreshRateBox = 101, kTimeFormatBox = 103, kPreviewTimeFormatButton = 105;

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

DWORD StoredRate() {
  DWORD rate = 0, size = sizeof rate;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Refresh Rate", RRF_RT_REG_DWORD, nullptr, &rate, &size) !=
      ERROR_SUCCESS) {
    return 0;
  }
  return rate;
}

// Lartsen.exe alone in a folder of its own: no read-me and no examples file beside it.
class MenuCommandsTest : public ::testing::Test {
 protected:
  std::wstring folder, program;
  Process process;
  HWND main = nullptr;
  std::wstring language = L"ru";  // the "Language" value the program starts with

  void SetUp() override {
    const bool copied = CopyProgramToOwnFolder(L"lartsen-ui-e2e-", program);
    folder = lartsen::e2e::Folder(program);
    ASSERT_TRUE(copied);
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    // These runs read the program's Russian texts, whatever the interface language here.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(language.c_str()),
                   static_cast<DWORD>((language.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    process = Start(program, L"");
    ASSERT_NE(process.info.hProcess, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return (main = FindWindowW(nullptr, kAppGuid)) != nullptr; }));
  }

  void TearDown() override {
    if (main != nullptr) ChooseFromMenu(main, kExitCommand);
    process.WaitExit();
    process.End();
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
  }

  void Command(WPARAM id) { ChooseFromMenu(main, id); }
};

TEST_F(MenuCommandsTest, AdditionalRulesCreateTheUserFolderAndReportTheMissingFile) {
  wchar_t appData[MAX_PATH];
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
  const std::wstring vendor = std::wstring(appData) + L"\\Nerrowind";
  const std::wstring user = vendor + L"\\Ларцен";
  // Only a folder without the user's own rules may be taken away for the test.
  if (GetFileAttributesW((user + L"\\Conditions.INI").c_str()) != INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "this account keeps its own rules file";
  }
  RemoveDirectoryW(user.c_str());
  RemoveDirectoryW(vendor.c_str());
  Command(kOptionalCommand);
  EXPECT_EQ(TakeMessageBox(), L"Не удалось открыть файл с дополнительными правилами.");
  EXPECT_TRUE(IsDirectory(user));
}

TEST_F(MenuCommandsTest, MissingExamplesAndReadMeAreReported) {
  Command(kSamplesCommand);
  EXPECT_EQ(TakeMessageBox(), L"Не удалось открыть файл с примерами дополнительными правилами.");
  Command(kReadMeCommand);
  EXPECT_EQ(TakeMessageBox(), L"Не удаётся открыть файл ReadMe.TXT");
  EXPECT_EQ(GetFileAttributesW((folder + L"\\Conditions.Optional.INI").c_str()), INVALID_FILE_ATTRIBUTES);
}

// A user who chose English: the help command looks for the English read-me and says so in English.
class EnglishMenuCommandsTest : public MenuCommandsTest {
 protected:
  EnglishMenuCommandsTest() { language = L"en"; }
};

TEST_F(EnglishMenuCommandsTest, MissingReadMeIsReportedNamingTheEnglishOne) {
  Command(kReadMeCommand);
  EXPECT_EQ(TakeMessageBox(), L"Cannot open the file ReadMe.en.TXT");
}

TEST_F(MenuCommandsTest, AboutShowsTheTitleAndVersionOfTheProgramsVersionBlock) {
  Command(kAboutCommand);
  HWND about = WaitForDialog(L"О программе");
  ASSERT_NE(about, nullptr);
  const std::wstring title = ItemText(about, kAboutTitle);
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  EXPECT_EQ(title, L"Ларцен 1.0.0");
}

TEST_F(MenuCommandsTest, SettingsDialogStoresValidValuesOnlyAndPreviewsFiveSamples) {
  auto openDialog = [&] {
    Command(kSettingsCommand);
    return WaitForDialog(L"Настройки");
  };
  HWND dialog = openDialog();
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextW(dialog, kRefreshRateBox, L"0");
  Click(dialog, IDOK);
  EXPECT_EQ(TakeMessageBox(), L"Частота обновления должна лежать в интервале от 1 до 60000.");
  EXPECT_TRUE(IsWindow(dialog));
  SetDlgItemTextW(dialog, kTimeFormatBox, L"yyyy");
  Click(dialog, kPreviewTimeFormatButton);
  const std::wstring preview = TakeMessageBox();
  int samples = 1;
  for (std::size_t at = preview.find(L"\r\n\r\n"); at != std::wstring::npos; at = preview.find(L"\r\n\r\n", at + 4)) {
    ++samples;
  }
  EXPECT_EQ(samples, 5) << preview.size();
  SetDlgItemTextW(dialog, kRefreshRateBox, L"777");
  SetDlgItemTextW(dialog, kTimeFormatBox, L"hh:nn");
  Click(dialog, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_NE(StoredRate(), 777u);

  dialog = openDialog();
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextW(dialog, kRefreshRateBox, L"750");
  Click(dialog, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(StoredRate(), 750u);
}

}  // namespace
