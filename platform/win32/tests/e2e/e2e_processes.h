// Shared by the end-to-end runs: programs started in their own processes, waiting for a
// condition, the titles of their windows and the stamp the resident program writes into them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cwctype>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace lartsen::e2e {

// The resident program as other processes meet it: the title of its hidden main window, its
// settings key, the list of programs the system starts at logon, and its menu's commands.
inline constexpr wchar_t kAppGuid[] = L"{7D6F2105-7E08-4565-ABFE-7C4F127C890A}";
inline constexpr wchar_t kSettingsKey[] = L"Software\\Nerrowind\\Ларцен";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr WPARAM kSettingsCommand = 1011, kOptionalCommand = 1012, kSamplesCommand = 1013,
                        kAutoStartCommand = 1014, kExitCommand = 1099, kReadMeCommand = 2000, kAboutCommand = 2002;

// Chooses a command as a user does: opens the tray menu as the shell does on a click of the
// icon, then presses keys, which the menu's loop takes from the program's queue in order. The
// program obeys no WM_COMMAND from outside. From the foot of the menu upwards: Выход, Справка
// (Справка, О программе...), Запускать с Windows, the two rules files, Настройки.
inline void ChooseFromMenu(HWND main, WPARAM command) {
  std::vector<WPARAM> keys;
  auto up = [&](int times) { keys.insert(keys.end(), static_cast<std::size_t>(times), VK_UP); };
  switch (command) {
    case kExitCommand: up(1); break;
    case kReadMeCommand: up(2); keys.push_back(VK_RIGHT); break;
    case kAboutCommand: up(2); keys.insert(keys.end(), {VK_RIGHT, VK_DOWN}); break;
    case kAutoStartCommand: up(3); break;
    case kSamplesCommand: up(4); break;
    case kOptionalCommand: up(5); break;
    case kSettingsCommand: up(6); break;
    default: ADD_FAILURE() << "no way to the command " << command; return;
  }
  keys.push_back(VK_RETURN);
  PostMessageW(main, WM_APP + 1, 1, WM_RBUTTONUP);
  for (WPARAM key : keys) {
    PostMessageW(main, WM_KEYDOWN, key, 0);
    PostMessageW(main, WM_KEYUP, key, 0xC0000000);
  }
}

inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return condition();
}

inline std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

// The folder of the running test, where the program and the helper window lie.
inline std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Folder(path);
}

// Copies Lartsen.exe, as built beside the test, alone into a new folder of the temporary folder
// named with that prefix and the test's process id; `program` is the copy's path. False when the
// copy failed.
inline bool CopyProgramToOwnFolder(const wchar_t* prefix, std::wstring& program) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  program = folder + L"\\Lartsen.exe";
  return CopyFileW((OwnFolder() + L"\\Lartsen.exe").c_str(), program.c_str(), FALSE) != FALSE;
}

// The title as another process sees it; a hung window does not hang the test.
inline std::wstring Title(HWND hwnd) {
  wchar_t text[512] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 2000, &length)) {
    return L"<no answer>";
  }
  return text;
}

// "<own> <hh:nn:ss>": the stamp of the template "<%time%>" with the time format "hh:nn:ss".
inline bool IsStamped(const std::wstring& title, const std::wstring& own) {
  return title.size() == own.size() + 11 && title.compare(0, own.size(), own) == 0 &&
         title[own.size()] == L' ' && title[own.size() + 1] == L'<' && title.back() == L'>' &&
         std::iswdigit(title[own.size() + 2]) && title[own.size() + 4] == L':';
}

struct Process {
  PROCESS_INFORMATION info{};
  bool Running() const { return info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }
  bool WaitExit(int ms = 10000) const { return WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
  }
  void End() {
    if (!info.hProcess) return;
    if (Running()) TerminateProcess(info.hProcess, 9);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    info = {};
  }
};

// Starts a program in its own folder.
inline Process Start(const std::wstring& program, const std::wstring& arguments) {
  std::wstring command = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  Process process;
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Folder(program).c_str(), &startup, &process.info)) {
    ADD_FAILURE() << "cannot start program, error " << GetLastError();
  }
  return process;
}

struct VisibleWindowSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

inline BOOL CALLBACK FindVisibleOfProcess(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<VisibleWindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->processId && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

inline HWND VisibleWindowOf(DWORD processId) {
  VisibleWindowSearch search;
  search.processId = processId;
  EnumWindows(FindVisibleOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Starts the plain helper window beside the test with that title and waits until it is the
// foreground window.
inline HWND StartHelperWindow(Process& helper, const std::wstring& title) {
  helper = Start(OwnFolder() + L"\\e2e_window_helper.exe", L"\"" + title + L"\"");
  HWND hwnd = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (hwnd = VisibleWindowOf(helper.info.dwProcessId)) != nullptr; }));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == hwnd; }))
      << "the helper window did not reach the foreground";
  return hwnd;
}

}  // namespace lartsen::e2e
