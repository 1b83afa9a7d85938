// The setup program as an administrator and a user meet it: silent install, reinstall over the
// running program, a folder of someone else's, uninstall keeping or removing the user's settings;
// in Russian for a Russian interface language and in English for any other.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <optional>
#include <string>

#include "platform/win32/tests/e2e/e2e_processes.h"

namespace lartsen::e2e {
namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lartsen";
constexpr const wchar_t* kInstalledFiles[] = {L"Lartsen.exe",    L"ReadMe.TXT",
                                              L"ReadMe.en.TXT",  L"Conditions.INI",
                                              L"Conditions.Optional.INI", L"Uninstall.exe"};
// The user's own rules: nothing the test shows is left alone.
constexpr char kUserRules[] = "NoSuchClass\r\n*\r\n*\r\n";

std::wstring ShellFolder(int id) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// The start of the welcome page's text in the language the setup should speak here.
std::wstring WelcomeOfInterfaceLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN
             ? L"Эта программа установит Ларцен для вашей учётной записи"
             : L"This will install Ларцен for your user account";
}

BOOL CALLBACK AppendText(HWND child, LPARAM texts) {
  reinterpret_cast<std::wstring*>(texts)->append(L"\n").append(Title(child));
  return TRUE;
}

// The texts of a window and of every window inside it, one a line.
std::wstring TextsWithin(HWND window) {
  std::wstring texts = Title(window);
  EnumChildWindows(window, AppendText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The text of a registry value of the current user, or nothing when it is missing.
std::optional<std::wstring> ReadText(const wchar_t* key, const wchar_t* name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

void WriteText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(raw);
}

void DeleteValue(const wchar_t* key, const wchar_t* name) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return;
  RegDeleteValueW(raw, name);
  RegCloseKey(raw);
}

bool KeyExists(const wchar_t* key) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
  RegCloseKey(raw);
  return true;
}

class SetupProgramTest : public testing::Test {
 protected:
  const std::wstring setup = OwnFolder() + L"\\..\\packages\\" LARTSEN_SETUP_FILE;
  const std::wstring installFolder = ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Ларцен";
  const std::wstring installedProgram = installFolder + L"\\Lartsen.exe";
  const std::wstring otherFolder = installFolder + L" 2";  // a folder the user chose instead
  const std::wstring shortcut = ShellFolder(CSIDL_PROGRAMS) + L"\\Ларцен.lnk";
  const std::wstring rulesFolder = ShellFolder(CSIDL_APPDATA) + L"\\Nerrowind\\Ларцен";
  const std::wstring userRules = rulesFolder + L"\\Conditions.INI";
  Process resident;
  Process helper;

  // The compatibility layer starts the process that holds the desktop for the first program
  // that asks for it, and that process would stay in the first setup's job for good, so that
  // the job never ends. The test asks for the desktop itself before any job is made.
  static void SetUpTestSuite() { GetDesktopWindow(); }

  void SetUp() override {
    ASSERT_TRUE(Exists(setup)) << "no setup program beside the tests";
    WriteUserSettingsAndRules();
  }

  // Whatever a failed test left behind goes, file by file and key by key.
  void TearDown() override {
    resident.End();
    // A program the setup started itself is closed the orderly way.
    if (HWND started = FindWindowW(nullptr, kAppGuid)) {
      PostMessageW(started, WM_CLOSE, 0, 0);
      WaitUntil([] { return FindWindowW(nullptr, kAppGuid) == nullptr; });
    }
    helper.End();
    for (const std::wstring& folder : {installFolder, otherFolder}) {
      for (const wchar_t* name : kInstalledFiles) DeleteFileW((folder + L"\\" + name).c_str());
      RemoveDirectoryW(folder.c_str());
    }
    DeleteFileW(shortcut.c_str());
    SHDeleteKeyW(HKEY_CURRENT_USER, kUninstallKey);
    DeleteValue(kRunKey, kAppGuid);
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    DeleteFileW(userRules.c_str());
    RemoveDirectoryW(rulesFolder.c_str());
    RemoveDirectoryW(Folder(rulesFolder).c_str());
  }

  void WriteUserSettingsAndRules() {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr), ERROR_SUCCESS);
    const DWORD rate = 50;
    const wchar_t pattern[] = L"<%time%>";
    const wchar_t format[] = L"hh:nn:ss";
    RegSetValueExW(key, L"Refresh Rate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&rate), sizeof rate);
    RegSetValueExW(key, L"Tittle Pattern", 0, REG_SZ, reinterpret_cast<const BYTE*>(pattern), sizeof pattern);
    RegSetValueExW(key, L"Time Format", 0, REG_SZ, reinterpret_cast<const BYTE*>(format), sizeof format);
    RegCloseKey(key);
    SHCreateDirectoryExW(nullptr, rulesFolder.c_str(), nullptr);
    HANDLE file = CreateFileW(userRules.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, kUserRules, sizeof kUserRules - 1, &written, nullptr);
    CloseHandle(file);
  }

  // True when every process of the job has ended, but for the compatibility layer's desktop
  // process, which a program of the job may have started and which stays for the session.
  static bool OnlyTheDesktopLeft(HANDLE job) {
    struct {
      JOBOBJECT_BASIC_PROCESS_ID_LIST list;
      ULONG_PTR more[63];
    } ids{};
    ids.list.NumberOfAssignedProcesses = 64;
    if (!QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr)) return false;
    for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
      HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE,
                                   static_cast<DWORD>(ids.list.ProcessIdList[i]));
      if (!process) continue;  // gone meanwhile
      wchar_t path[MAX_PATH] = {};
      DWORD length = MAX_PATH;
      const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
      const bool named = GetProcessImageFileNameW(process, path, length) != 0;
      CloseHandle(process);
      if (running && !(named && StrStrIW(path, L"\\explorer.exe") != nullptr)) return false;
    }
    return true;
  }

  // Runs a program and whatever it starts to the end (the uninstaller copies itself away and
  // goes on from the copy) and returns the first program's exit code.
  static DWORD RunToTheEnd(const std::wstring& program, const std::wstring& arguments) {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    std::wstring command = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!job || !CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                nullptr, Folder(program).c_str(), &startup, &info)) {
      ADD_FAILURE() << "cannot start " << testing::PrintToString(program) << ", error " << GetLastError();
      if (job) CloseHandle(job);
      return STILL_ACTIVE;
    }
    EXPECT_TRUE(AssignProcessToJobObject(job, info.hProcess));
    ResumeThread(info.hThread);
    EXPECT_TRUE(WaitUntil([&] { return OnlyTheDesktopLeft(job); }, 120000))
        << testing::PrintToString(program) << " did not end";
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    CloseHandle(job);
    return code;
  }

  DWORD RunSetup(const std::wstring& arguments) { return RunToTheEnd(setup, arguments); }

  // As the installed-programs list starts it.
  void Uninstall(const std::wstring& arguments) {
    EXPECT_EQ(RunToTheEnd(installFolder + L"\\Uninstall.exe", arguments), 0u);
  }

  // Starts the installed program with a stamped helper window in the foreground.
  HWND StartInstalledProgramOverHelper() {
    HWND window = StartHelperWindow(helper, L"Setup window");
    resident = Start(installedProgram, L"");
    EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"Setup window"); }))
        << "title: " << testing::PrintToString(Title(window));
    return window;
  }
};

TEST_F(SetupProgramTest, SilentInstallPutsEverythingInPlaceAndTheProgramStamps) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  for (const wchar_t* name : kInstalledFiles) {
    EXPECT_TRUE(Exists(installFolder + L"\\" + name)) << testing::PrintToString(std::wstring(name));
  }
  EXPECT_TRUE(Exists(shortcut));
  const std::wstring uninstaller = L"\"" + installFolder + L"\\Uninstall.exe\"";
  EXPECT_EQ(ReadText(kUninstallKey, L"DisplayName"), L"Ларцен");
  EXPECT_EQ(ReadText(kUninstallKey, L"DisplayVersion"), LARTSEN_VERSION);
  EXPECT_NE(ReadText(kUninstallKey, L"Publisher").value_or(L""), L"");
  EXPECT_EQ(ReadText(kUninstallKey, L"DisplayIcon"), installedProgram + L",0");
  EXPECT_EQ(ReadText(kUninstallKey, L"UninstallString"), uninstaller);
  EXPECT_EQ(ReadText(kUninstallKey, L"QuietUninstallString"), uninstaller + L" /S");
  DWORD sizeKb = 0;
  DWORD size = sizeof sizeKb;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr,
                         &sizeKb, &size), ERROR_SUCCESS);
  EXPECT_GT(sizeKb, 100u);
  // A first install starts the program with Windows, with the value the tray menu writes.
  EXPECT_EQ(ReadText(kRunKey, kAppGuid), L"\"" + installedProgram + L"\"");

  StartInstalledProgramOverHelper();
  EXPECT_TRUE(resident.Running());
}

TEST_F(SetupProgramTest, ClickingThroughTheDefaultsInstallsAndStartsTheProgram) {
  Process run = Start(setup, L"");
  // "Далее" on each page, "Установить", then "Готово" with "start now" ticked: the button of
  // the setup's window with the command id IDOK, pressed whenever it is enabled. Every page is
  // read before it is left.
  std::wstring seen;
  EXPECT_TRUE(WaitUntil([&] {
    if (HWND page = VisibleWindowOf(run.info.dwProcessId)) {
      seen += TextsWithin(page);
      HWND next = GetDlgItem(page, IDOK);
      if (next && IsWindowEnabled(next)) PostMessageW(next, BM_CLICK, 0, 0);
    }
    return run.WaitExit(300);
  }, 60000)) << "the setup program did not reach its end";
  EXPECT_EQ(run.ExitCode(), 0u);
  run.End();
  EXPECT_NE(seen.find(WelcomeOfInterfaceLanguage()), std::wstring::npos)
      << "the setup spoke another language: " << testing::PrintToString(seen.substr(0, 600));
  EXPECT_TRUE(Exists(installedProgram));
  EXPECT_TRUE(WaitUntil([&] { return FindWindowW(nullptr, kAppGuid) != nullptr; }))
      << "the program was not started at the end";
}

TEST_F(SetupProgramTest, SilentReinstallEndsTheRunningProgramWithItsTitleBack) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  HWND window = StartInstalledProgramOverHelper();
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  EXPECT_TRUE(resident.WaitExit(0)) << "the program still runs after the reinstall";
  EXPECT_EQ(Title(window), L"Setup window");
  EXPECT_TRUE(Exists(installedProgram));
}

TEST_F(SetupProgramTest, ReinstallKeepsAutoStartAsTheUserLeftItUnlessTold) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  DeleteValue(kRunKey, kAppGuid);  // turned off from the tray menu
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  EXPECT_FALSE(ReadText(kRunKey, kAppGuid).has_value());
  ASSERT_EQ(RunSetup(L"/S /AUTOSTART=1"), 0u);
  EXPECT_EQ(ReadText(kRunKey, kAppGuid), L"\"" + installedProgram + L"\"");
  ASSERT_EQ(RunSetup(L"/S /AUTOSTART=0"), 0u);
  EXPECT_FALSE(ReadText(kRunKey, kAppGuid).has_value());
}

TEST_F(SetupProgramTest, SilentInstallIntoAFolderWithFilesOfSomeoneElsesWritesNothing) {
  CreateDirectoryW(otherFolder.c_str(), nullptr);
  const std::wstring readMe = otherFolder + L"\\ReadMe.TXT";
  const char text[] = "my own notes";
  HANDLE file = CreateFileW(readMe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD count = 0;
  WriteFile(file, text, sizeof text - 1, &count, nullptr);
  CloseHandle(file);
  EXPECT_EQ(RunSetup(L"/S /D=" + otherFolder), 2u);
  char read[64] = {};
  file = CreateFileW(readMe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ReadFile(file, read, sizeof read - 1, &count, nullptr);
  CloseHandle(file);
  EXPECT_STREQ(read, text);
  EXPECT_FALSE(Exists(otherFolder + L"\\Lartsen.exe"));
  EXPECT_FALSE(KeyExists(kUninstallKey));
  EXPECT_FALSE(Exists(shortcut));
}

// The 32-bit and the 64-bit setup share one entry: a second installation, of either, replaces
// the first rather than leaving it without one.
TEST_F(SetupProgramTest, InstallingIntoAnotherFolderReplacesTheEarlierInstallation) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  ASSERT_EQ(RunSetup(L"/S /D=" + otherFolder), 0u);
  EXPECT_FALSE(Exists(installFolder));
  EXPECT_TRUE(Exists(otherFolder + L"\\Lartsen.exe"));
  EXPECT_EQ(ReadText(kUninstallKey, L"InstallLocation"), otherFolder);
  EXPECT_EQ(ReadText(kRunKey, kAppGuid), L"\"" + otherFolder + L"\\Lartsen.exe\"");
  // Installed over again, in place: an earlier installation is no folder of someone else's.
  EXPECT_EQ(RunSetup(L"/S /D=" + otherFolder), 0u);
}

TEST_F(SetupProgramTest, SilentUninstallEndsTheProgramRemovesItAndKeepsTheSettings) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  HWND window = StartInstalledProgramOverHelper();
  Uninstall(L"/S");
  EXPECT_TRUE(resident.WaitExit(0)) << "the program still runs after the uninstall";
  EXPECT_EQ(Title(window), L"Setup window");
  EXPECT_FALSE(Exists(installFolder));
  EXPECT_FALSE(Exists(shortcut));
  EXPECT_FALSE(ReadText(kRunKey, kAppGuid).has_value());
  EXPECT_TRUE(KeyExists(kSettingsKey));
  EXPECT_EQ(ReadText(kSettingsKey, L"Tittle Pattern"), L"<%time%>");
  EXPECT_TRUE(Exists(userRules));
}

TEST_F(SetupProgramTest, UninstallWithRemovalChosenRemovesSettingsAndRulesToo) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  // Another copy of the program (a portable one) has taken the autostart over since.
  const std::wstring otherCopy = L"\"C:\\Portable\\Lartsen.exe\"";
  WriteText(kRunKey, kAppGuid, otherCopy);
  Uninstall(L"/S /REMOVESETTINGS");
  EXPECT_FALSE(Exists(installFolder));
  EXPECT_FALSE(KeyExists(kSettingsKey));
  EXPECT_FALSE(Exists(userRules));
  EXPECT_FALSE(Exists(rulesFolder));
  EXPECT_EQ(ReadText(kRunKey, kAppGuid), otherCopy);
}

}  // namespace
}  // namespace lartsen::e2e
