// The real Lartsen.exe, run from a program folder of its own with its own rules, stamping and
// restoring the titles of helper windows in other processes.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>
#include <shellapi.h>
#include <psapi.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/tests/e2e/e2e_processes.h"

namespace {

using namespace lartsen::e2e;

// The rules: no window of the helper's class is left alone unless its title says so.
constexpr char kConditions[] =
    "; rules of the end-to-end runs\r\n"
    "NoSuchClass\r\n*\r\n*\r\n"
    "*\r\nExcluded*\r\n*\r\n";

struct TitleCount {
  const wchar_t* title = nullptr;
  int count = 0;
};

BOOL CALLBACK CountTitled(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<TitleCount*>(data);
  wchar_t text[128] = {};
  GetWindowTextW(hwnd, text, 128);
  if (std::wstring(text) == search->title) ++search->count;
  return TRUE;
}

int CountWindowsTitled(const wchar_t* title) {
  TitleCount search;
  search.title = title;
  EnumWindows(CountTitled, reinterpret_cast<LPARAM>(&search));
  return search.count;
}

// True while the shell keeps a tray icon of that window: modifying a missing icon fails.
bool TrayIconPresent(HWND hwnd) {
  if (!hwnd) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd;
  data.uID = 1;
  data.uFlags = NIF_TIP;
  wcscpy(data.szTip, L"Ларцен");
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// The journal of the stamped window as the program keeps it in its settings key.
std::wstring JournalText() {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Stamped Window", RRF_RT_REG_SZ, nullptr, data, &size);
  return data;
}

std::wstring RunValue(bool* present) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  LONG result = RegGetValueW(HKEY_CURRENT_USER, kRunKey, kAppGuid, RRF_RT_REG_SZ, nullptr, data, &size);
  *present = result == ERROR_SUCCESS;
  return data;
}

class ResidentProgramTest : public testing::Test {
 protected:
  std::wstring folder;
  std::wstring program;
  Process resident;
  std::vector<Process> helpers;

  void SetUp() override {
    const bool copied = CopyProgramToOwnFolder(L"lartsen-e2e-", program);
    folder = lartsen::e2e::Folder(program);
    ASSERT_TRUE(copied);
    HANDLE file = CreateFileW((folder + L"\\Conditions.INI").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, kConditions, sizeof kConditions - 1, &written, nullptr);
    CloseHandle(file);
    WriteSettings(50);
  }

  void TearDown() override {
    resident.End();
    for (Process& helper : helpers) helper.End();
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    DeleteFileW(program.c_str());
    DeleteFileW((folder + L"\\Conditions.INI").c_str());
    RemoveDirectoryW(folder.c_str());
  }

  static void WriteSettings(DWORD rate, const std::wstring& format = L"hh:nn:ss") {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr), ERROR_SUCCESS);
    const wchar_t pattern[] = L"<%time%>";
    RegSetValueExW(key, L"Refresh Rate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&rate), sizeof rate);
    RegSetValueExW(key, L"Tittle Pattern", 0, REG_SZ, reinterpret_cast<const BYTE*>(pattern), sizeof pattern);
    RegSetValueExW(key, L"Time Format", 0, REG_SZ, reinterpret_cast<const BYTE*>(format.c_str()),
                   static_cast<DWORD>((format.size() + 1) * sizeof(wchar_t)));
    // These runs read the program's Russian captions, whatever the interface language here.
    const wchar_t russian[] = L"ru";
    RegSetValueExW(key, L"Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(russian), sizeof russian);
    RegCloseKey(key);
  }

  HWND StartHelper(const std::wstring& title, bool fullScreen = false) {
    return StartHelperWith(title, fullScreen ? L" fullscreen" : L"");
  }
  // A helper whose thread sleeps for 12 s once the first title has been written to it.
  HWND StartHangingHelper(const std::wstring& title) { return StartHelperWith(title, L" hang"); }

  HWND StartHelperWith(const std::wstring& title, const std::wstring& option) {
    helpers.push_back(Start(OwnFolder() + L"\\e2e_window_helper.exe", L"\"" + title + L"\"" + option));
    DWORD id = helpers.back().info.dwProcessId;
    HWND hwnd = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (hwnd = VisibleWindowOf(id)) != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == hwnd; }))
        << "the helper window did not reach the foreground";
    return hwnd;
  }

  // Starts the resident program and waits until its tray icon is there.
  HWND StartResident() {
    resident = Start(program, L"");
    HWND main = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (main = FindWindowW(nullptr, kAppGuid)) != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(main); })) << "no tray icon";
    return main;
  }
};

TEST_F(ResidentProgramTest, StampIsThereWithTheTrayIconAndFollowsTheSettings) {
  WriteSettings(60000);  // only the refresh at start can stamp within this test
  HWND window = StartHelper(L"E2E window");
  StartResident();
  EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }, 3000))
      << "title: " << testing::PrintToString(Title(window));
}

TEST_F(ResidentProgramTest, SwitchIsStampedAndRestoredAtOnceWhateverTheRate) {
  WriteSettings(60000);  // the timer alone would take up to a minute
  HWND first = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(first), L"E2E window"); }, 3000));
  HWND second = StartHelper(L"Second window");
  auto movedTo = [&](HWND to, const wchar_t* own, HWND from, const wchar_t* fromOwn) {
    return WaitUntil([&] { return IsStamped(Title(to), own) && Title(from) == fromOwn; }, 2000);
  };
  EXPECT_TRUE(movedTo(second, L"Second window", first, L"E2E window"))
      << testing::PrintToString(Title(second)) << " / " << testing::PrintToString(Title(first));
  SetForegroundWindow(first);
  EXPECT_TRUE(movedTo(first, L"E2E window", second, L"Second window"))
      << testing::PrintToString(Title(first)) << " / " << testing::PrintToString(Title(second));
}

// The user's long-time picture in the regional settings, as the control panel keeps it; put
// back (or removed, when there was none) afterwards.
class RegionalTimeFormat {
 public:
  RegionalTimeFormat() {
    wchar_t data[256] = {};
    DWORD size = sizeof data;
    had_ = RegGetValueW(HKEY_CURRENT_USER, kInternational, L"sTimeFormat", RRF_RT_REG_SZ, nullptr,
                        data, &size) == ERROR_SUCCESS;
    saved_ = data;
  }
  ~RegionalTimeFormat() {
    if (had_) {
      Write(saved_);
    } else {
      HKEY key;
      if (RegOpenKeyExW(HKEY_CURRENT_USER, kInternational, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, L"sTimeFormat");
        RegCloseKey(key);
      }
    }
    Announce();
  }
  static void Write(const std::wstring& picture) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kInternational, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, L"sTimeFormat", 0, REG_SZ, reinterpret_cast<const BYTE*>(picture.c_str()),
                   static_cast<DWORD>((picture.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  // What the control panel does after a change.
  static void Announce() {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                        SMTO_ABORTIFHUNG, 5000, &answer);
  }

 private:
  static constexpr wchar_t kInternational[] = L"Control Panel\\International";
  bool had_ = false;
  std::wstring saved_;
};

// "<own> <hh ч mm мин ss с>": the pictures the test writes.
bool HasStamp(const std::wstring& title, const std::wstring& own, const std::wstring& marks) {
  if (title.rfind(own + L" <", 0) != 0 || title.back() != L'>') return false;
  std::wstring letters;
  for (wchar_t c : title.substr(own.size() + 2)) {
    if (!iswdigit(c)) letters += c;
  }
  return letters == marks + L">";
}

TEST_F(ResidentProgramTest, TheLongTimeFollowsTheRegionalSettingsWhileRunning) {
  RegionalTimeFormat regional;
  RegionalTimeFormat::Write(L"HH' ч 'mm' мин 'ss' с'");
  RegionalTimeFormat::Announce();
  WriteSettings(50, L"ttttt");
  HWND window = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return HasStamp(Title(window), L"E2E window", L" ч  мин  с"); }))
      << "title: " << testing::PrintToString(Title(window));
  // Announced, as the control panel does: the next stamps follow.
  RegionalTimeFormat::Write(L"HH'h'mm'm'ss's'");
  RegionalTimeFormat::Announce();
  EXPECT_TRUE(WaitUntil([&] { return HasStamp(Title(window), L"E2E window", L"hms"); }, 2500))
      << "title: " << testing::PrintToString(Title(window));
  // Not announced: within a few seconds all the same.
  RegionalTimeFormat::Write(L"HH'-'mm'-'ss");
  EXPECT_TRUE(WaitUntil([&] { return HasStamp(Title(window), L"E2E window", L"--"); }, 8000))
      << "title: " << testing::PrintToString(Title(window));
  EXPECT_TRUE(resident.Running());
}

TEST_F(ResidentProgramTest, SecondStartEndsAtOnceWithoutSecondWindow) {
  HWND main = StartResident();
  Process second = Start(program, L"");
  EXPECT_TRUE(second.WaitExit(10000));
  DWORD code = 99;
  GetExitCodeProcess(second.info.hProcess, &code);
  EXPECT_EQ(code, 0u);
  second.End();
  EXPECT_EQ(CountWindowsTitled(kAppGuid), 1);
  EXPECT_TRUE(resident.Running());
  EXPECT_TRUE(TrayIconPresent(main));
}

TEST_F(ResidentProgramTest, ForegroundMovingToRuledWindowGivesTitleBack) {
  HWND first = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(first), L"E2E window"); }));
  HWND excluded = StartHelper(L"Excluded window");
  EXPECT_TRUE(WaitUntil([&] { return Title(first) == L"E2E window"; }))
      << "title: " << testing::PrintToString(Title(first));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // several ticks at 50 ms
  EXPECT_EQ(Title(excluded), L"Excluded window");
}

TEST_F(ResidentProgramTest, RetitleIsAdopted) {
  HWND window = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  SetWindowTextW(window, L"Renamed");
  EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"Renamed"); }))
      << "title: " << testing::PrintToString(Title(window));
}

TEST_F(ResidentProgramTest, FullScreenWindowFreezesAllWriting) {
  HWND window = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  HWND full = StartHelper(L"Full screen", true);
  std::wstring frozen = Title(window);
  // Nothing may happen for a while: the stamp of the first window is neither refreshed (its
  // seconds would change) nor taken away, and the full-screen window gets none.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_EQ(Title(window), frozen);
  EXPECT_EQ(Title(full), L"Full screen");
}

TEST_F(ResidentProgramTest, ExitCommandRestoresTitleBeforeTheEnd) {
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  EXPECT_NE(JournalText(), L"");
  ChooseFromMenu(main, kExitCommand);
  ASSERT_TRUE(resident.WaitExit());
  EXPECT_EQ(Title(window), L"E2E window");
  EXPECT_EQ(JournalText(), L"") << "the record outlived an orderly exit";
  EXPECT_EQ(FindWindowW(nullptr, kAppGuid), nullptr);
}

TEST_F(ResidentProgramTest, SessionEndRestoresTitle) {
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  5000, &answer));
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  EXPECT_EQ(Title(window), L"E2E window");  // back before the session may end
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // several ticks at 50 ms
  EXPECT_EQ(Title(window), L"E2E window") << "stamped again while the session was ending";
  SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_TRUE(resident.WaitExit());
  EXPECT_EQ(Title(window), L"E2E window");
}

TEST_F(ResidentProgramTest, CancelledSessionEndStampsAgain) {
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_EQ(Title(window), L"E2E window");
  SendMessageTimeoutW(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  EXPECT_TRUE(resident.Running());
}

TEST_F(ResidentProgramTest, AutoStartToggledTwiceLeavesRegistryAsItWas) {
  HWND main = StartResident();
  bool before = false;
  std::wstring valueBefore = RunValue(&before);
  ChooseFromMenu(main, kAutoStartCommand);
  bool present = before;
  EXPECT_TRUE(WaitUntil([&] { RunValue(&present); return present != before; }));
  if (!before) {
    EXPECT_EQ(RunValue(&present), L"\"" + program + L"\"");
  }
  ChooseFromMenu(main, kAutoStartCommand);
  EXPECT_TRUE(WaitUntil([&] { RunValue(&present); return present == before; }));
  EXPECT_EQ(RunValue(&present), valueBefore);
}

TEST_F(ResidentProgramTest, TrayIconComesBackAfterShellRestart) {
  HWND main = StartResident();
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = main;
  data.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));  // as a restarted shell forgets it
  ASSERT_FALSE(TrayIconPresent(main));
  PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(main); }));
}

TEST_F(ResidentProgramTest, DialogsOpenFromTheMenuAndStampingGoesOnAfterThem) {
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  for (auto [command, caption] : {std::pair{kSettingsCommand, L"Настройки"},
                                  std::pair{kAboutCommand, L"О программе"}}) {
    ChooseFromMenu(main, command);
    HWND dialog = nullptr;
    // The dialog itself is stamped while it is in the foreground: look for its caption's start.
    EXPECT_TRUE(WaitUntil([&] {
      dialog = GetForegroundWindow();
      return dialog && Title(dialog).rfind(caption, 0) == 0;
    })) << "no dialog " << testing::PrintToString(std::wstring(caption));
    if (dialog) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  }
  SetForegroundWindow(window);
  EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  EXPECT_TRUE(resident.Running());
}

TEST_F(ResidentProgramTest, ClockSetByTheUserIsFollowedAtOnce) {
  WriteSettings(60000);  // the timer alone would take up to a minute
  HWND window = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }, 3000));
  const std::wstring before = Title(window);
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));  // the clock shows another second
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
  EXPECT_TRUE(WaitUntil([&] { return Title(window) != before && IsStamped(Title(window), L"E2E window"); }, 1000))
      << "title: " << testing::PrintToString(Title(window));
}

// The title the system keeps for a window, read without a message: a hung window answers none.
std::wstring KeptTitle(HWND hwnd) {
  wchar_t text[512] = {};
  InternalGetWindowText(hwnd, text, 512);
  return text;
}

// A window that hangs once stamped, and loses the foreground 7 s into its 12 s sleep, when the
// system already counts it as hung: its restore is refused at first.
class HungWindowTest : public ResidentProgramTest {
 protected:
  HWND hung = nullptr;
  HWND other = nullptr;
  std::chrono::steady_clock::time_point asleep;

  void StampHungThenMoveOn() {
    hung = StartHangingHelper(L"Hung window");
    StartResident();
    ASSERT_TRUE(WaitUntil([&] { return IsStamped(KeptTitle(hung), L"Hung window"); }, 3000));
    asleep = std::chrono::steady_clock::now();
    std::this_thread::sleep_until(asleep + std::chrono::seconds(7));
    other = StartHelper(L"Other window");
    ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(other), L"Other window"); }, 3000));
  }
  // Waits past the end of the sleep, then for the own title, which has to stay.
  void ExpectOwnTitleOnceAwake() {
    std::this_thread::sleep_until(asleep + std::chrono::seconds(12));
    EXPECT_TRUE(WaitUntil([&] { return KeptTitle(hung) == L"Hung window"; }, 5000))
        << "title: " << testing::PrintToString(KeptTitle(hung));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(KeptTitle(hung), L"Hung window");
  }
};

TEST_F(HungWindowTest, GetsItsTitleBackOnceItWakes) {
  StampHungThenMoveOn();
  ExpectOwnTitleOnceAwake();
  EXPECT_TRUE(IsStamped(Title(other), L"Other window"));
}

TEST_F(HungWindowTest, ExitDuringTheHangLeavesNoStamp) {
  StampHungThenMoveOn();
  ChooseFromMenu(FindWindowW(nullptr, kAppGuid), kExitCommand);
  ASSERT_TRUE(resident.WaitExit());
  EXPECT_EQ(Title(other), L"Other window");
  ExpectOwnTitleOnceAwake();
}

TEST_F(HungWindowTest, KillDuringTheHangAndANewStartLeaveNoStamp) {
  StampHungThenMoveOn();
  resident.End();
  StartResident();
  ExpectOwnTitleOnceAwake();
}

// Answers WM_NULL within two seconds, every time it is asked over `ms` milliseconds.
bool AnswersThroughout(HWND main, int ms) {
  for (int waited = 0; waited < ms; waited += 250) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
  }
  return true;
}

TEST_F(ResidentProgramTest, OverlongSettingsInTheRegistryFallBackAndTheProgramAnswers) {
  // 100,000 letters of a valid code: the default format stamps instead, and every tick is short.
  WriteSettings(50, std::wstring(100000, L'h'));
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  auto defaultStamp = [&] {
    const std::wstring title = Title(window);
    return title.rfind(L"E2E window <", 0) == 0 && title.back() == L'>' && title.size() < 40 &&
           title.find(L"hhh") == std::wstring::npos;
  };
  EXPECT_TRUE(WaitUntil(defaultStamp)) << testing::PrintToString(Title(window));
  EXPECT_TRUE(AnswersThroughout(main, 3000));

  // Thousands of time placeholders with a format that makes 19 units a letter: both fall back.
  resident.End();
  std::wstring times;
  for (int i = 0; i < 5000; ++i) times += L"%time%";
  WriteSettings(50, std::wstring(30000, L'c'));
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegSetValueExW(key, L"Tittle Pattern", 0, REG_SZ, reinterpret_cast<const BYTE*>(times.c_str()),
                 static_cast<DWORD>((times.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  SetForegroundWindow(window);
  main = StartResident();
  EXPECT_TRUE(WaitUntil([&] {
    const std::wstring title = Title(window);
    return title.rfind(L"E2E window [", 0) == 0 && title.back() == L']';
  })) << testing::PrintToString(Title(window));
  EXPECT_TRUE(AnswersThroughout(main, 2000));
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ASSERT_TRUE(GetProcessMemoryInfo(resident.info.hProcess, &memory, sizeof memory));
  EXPECT_LT(memory.PagefileUsage, 16u << 20) << "private bytes";
}

TEST_F(ResidentProgramTest, QuitPostedByAnotherProgramStillGivesTheTitleBack) {
  HWND window = StartHelper(L"E2E window");
  StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  PostThreadMessageW(resident.info.dwThreadId, WM_QUIT, 0, 0);
  ASSERT_TRUE(resident.WaitExit());
  EXPECT_EQ(Title(window), L"E2E window");
  EXPECT_EQ(JournalText(), L"");
}

TEST_F(ResidentProgramTest, MessagesFromOtherProgramsCommandNothing) {
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  bool runBefore = false;
  const std::wstring runValue = RunValue(&runBefore);
  for (WPARAM id = 1000; id < 1100; ++id) PostMessageW(main, WM_COMMAND, id, 0);
  for (WPARAM id = 2000; id < 2100; ++id) PostMessageW(main, WM_COMMAND, id, 0);
  PostMessageW(main, WM_APP + 1, 7, WM_RBUTTONUP);  // not our icon's id: no menu
  SendMessageW(main, WM_DESTROY, 0, 0);            // destroys nothing: no end either
  EXPECT_TRUE(AnswersThroughout(main, 1000));
  EXPECT_TRUE(resident.Running());
  bool runAfter = false;
  EXPECT_EQ(RunValue(&runAfter), runValue);
  EXPECT_EQ(runAfter, runBefore);
  EXPECT_EQ(VisibleWindowOf(resident.info.dwProcessId), nullptr) << "a dialog or menu opened";
  SetForegroundWindow(window);
  EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
}

TEST_F(ResidentProgramTest, ALoneSessionQueryStopsTheStampingOnlyForAWhile) {
  HWND window = StartHelper(L"E2E window");
  HWND main = StartResident();
  ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_EQ(Title(window), L"E2E window");
  EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }, 20000));
}

// A program ended without warning leaves its stamp; the next start gives the title back only
// to a window that still plainly carries it.
class LeftStampTest : public ResidentProgramTest {
 protected:
  HWND stamped = nullptr;

  // Stamps a window, ends the program without warning and checks that the stamp stayed.
  void StampAndKill() {
    stamped = StartHelper(L"E2E window");
    StartResident();
    ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(stamped), L"E2E window"); }));
    resident.End();
    ASSERT_TRUE(IsStamped(Title(stamped), L"E2E window")) << "title: " << testing::PrintToString(Title(stamped));
  }
  // Starts again with another window in the foreground, so that the first one is not stamped
  // anew; waits until the new instance stamps that other window.
  void StartAgain() {
    HWND other = StartHelper(L"Other window");
    StartResident();
    EXPECT_TRUE(WaitUntil([&] { return IsStamped(Title(other), L"Other window"); }));
  }
  // No window of the program is to be seen: no message box, no dialog.
  void ExpectNothingShown() {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(VisibleWindowOf(resident.info.dwProcessId), nullptr);
    EXPECT_TRUE(resident.Running());
  }
};

TEST_F(LeftStampTest, NextStartGivesTheTitleBack) {
  StampAndKill();
  StartAgain();
  EXPECT_TRUE(WaitUntil([&] { return Title(stamped) == L"E2E window"; }, 2000))
      << "title: " << testing::PrintToString(Title(stamped));
  ExpectNothingShown();
}

TEST_F(LeftStampTest, WindowRetitledByItsApplicationIsLeftAlone) {
  StampAndKill();
  ASSERT_TRUE(SetWindowTextW(stamped, L"E2E window - saved"));
  StartAgain();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(Title(stamped), L"E2E window - saved");
  ExpectNothingShown();
}

TEST_F(LeftStampTest, WindowClosedMeanwhileIsForgottenSilently) {
  StampAndKill();
  PostMessageW(stamped, WM_CLOSE, 0, 0);
  ASSERT_TRUE(helpers.back().WaitExit());
  StartAgain();
  ExpectNothingShown();
}

// A fault or an escaped exception in the program: the title is back before the process ends.
TEST_F(LeftStampTest, CrashGivesTheTitleBack) {
  // The compatibility layer's debugger would keep a crash dialog open (and the test's output
  // pipe with it); on Windows the key means nothing.
  HKEY debugger = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &debugger, nullptr), ERROR_SUCCESS);
  const DWORD noDialog = 0;
  RegSetValueExW(debugger, L"ShowCrashDialog", 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&noDialog), sizeof noDialog);
  RegCloseKey(debugger);
  ASSERT_TRUE(CopyFileW((OwnFolder() + L"\\lartsen_crash_probe.exe").c_str(), program.c_str(), FALSE));
  HWND window = StartHelper(L"E2E window");
  for (WPARAM trigger : {1, 2}) {
    HWND main = StartResident();
    ASSERT_TRUE(WaitUntil([&] { return IsStamped(Title(window), L"E2E window"); }));
    PostMessageW(main, WM_APP + 0x7E5, trigger, 0);
    EXPECT_TRUE(WaitUntil([&] { return Title(window) == L"E2E window"; }, 2000))
        << "trigger " << trigger << ", title: " << testing::PrintToString(Title(window));
    EXPECT_TRUE(resident.WaitExit()) << "trigger " << trigger << ": the program did not end";
    resident.End();
  }
}

}  // namespace
