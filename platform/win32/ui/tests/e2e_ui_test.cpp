// The real Lartsen.exe driven through its menu commands: the rules files opened for editing,
// the read-me file and the settings dialog, with the message boxes read from outside.
#include <windows.h>
#include <shlwapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace {

constexpr wchar_t kAppGuid[] = L"{7D6F2105-7E08-4565-ABFE-7C4F127C890A}";
constexpr wchar_t kSettingsKey[] = L"Software\\Nerrowind\\Ларцен";
constexpr wchar_t kBoxCaption[] = L"Korvel - Ларцен";
constexpr WPARAM kSettingsCommand = 1011;
constexpr WPARAM kOptionalCommand = 1012;
constexpr WPARAM kSamplesCommand = 1013;
constexpr WPARAM kExitCommand = 1099;
constexpr WPARAM kReadMeCommand = 2000;
constexpr WPARAM kAboutCommand = 2002;
constexpr int kAboutTitle = 202;
// Control ids of the settings dialog.
constexpr int kRefreshRateBox = 101, kTimeFormatBox = 103, kPreviewTimeFormatButton = 105;

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return condition();
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text = path;
  return text.substr(0, text.find_last_of(L"\\/"));
}

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM out) {
  wchar_t kind[32] = {};
  GetClassNameW(child, kind, 32);
  if (_wcsicmp(kind, L"Static") != 0) return TRUE;
  wchar_t text[2048] = {};
  GetWindowTextW(child, text, 2048);
  auto* longest = reinterpret_cast<std::wstring*>(out);
  if (wcslen(text) > longest->size()) *longest = text;
  return TRUE;
}

// The text of the next message box of the program; the box is closed.
std::wstring TakeMessageBox() {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindWindowW(L"#32770", kBoxCaption)) != nullptr && IsWindowVisible(box); })) {
    return L"<no message box>";
  }
  std::wstring text;
  EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&text));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  WaitUntil([&] { return !IsWindow(box); });
  return text;
}

DWORD StoredRate() {
  DWORD rate = 0, size = sizeof rate;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Refresh Rate", RRF_RT_REG_DWORD, nullptr, &rate, &size) !=
      ERROR_SUCCESS) {
    return 0;
  }
  return rate;
}

void Click(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Lartsen.exe alone in a folder of its own: no read-me and no examples file beside it.
class MenuCommandsTest : public ::testing::Test {
 protected:
  std::wstring folder, program;
  PROCESS_INFORMATION process{};
  HWND main = nullptr;

  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"lartsen-ui-e2e-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    program = folder + L"\\Lartsen.exe";
    ASSERT_TRUE(CopyFileW((OwnFolder() + L"\\Lartsen.exe").c_str(), program.c_str(), FALSE));
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &process));
    ASSERT_TRUE(WaitUntil([&] { return (main = FindWindowW(nullptr, kAppGuid)) != nullptr; }));
  }

  void TearDown() override {
    if (main != nullptr) PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    if (process.hProcess != nullptr) {
      if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 9);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
  }

  void Command(WPARAM id) { PostMessageW(main, WM_COMMAND, id, 0); }
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

TEST_F(MenuCommandsTest, AboutShowsTheTitleAndVersionOfTheProgramsVersionBlock) {
  Command(kAboutCommand);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    about = FindWindowW(L"#32770", L"О программе");
    return about != nullptr && IsWindowVisible(about);
  }));
  wchar_t title[256] = {};
  GetDlgItemTextW(about, kAboutTitle, title, 256);
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  EXPECT_EQ(std::wstring(title), L"Ларцен 1.0.0");
}

TEST_F(MenuCommandsTest, SettingsDialogStoresValidValuesOnlyAndPreviewsFiveSamples) {
  auto openDialog = [&] {
    Command(kSettingsCommand);
    HWND dialog = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
      dialog = FindWindowW(L"#32770", L"Настройки");
      return dialog != nullptr && IsWindowVisible(dialog);
    }));
    return dialog;
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
