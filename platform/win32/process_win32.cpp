// The platform's routes to a window's process and its executable image.
#include "platform/win32/process_win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>
#include <optional>
#include <vector>

#include "platform/win32/owned_win32.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {

namespace {

// Room for long paths; the last character always stays NUL.
constexpr DWORD kPathCapacity = 2048;
// What the module route needs, and what hosts before Vista know.
constexpr DWORD kQueryAndReadAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
// Enough for the image name since Vista, and granted for more processes.
constexpr DWORD kLimitedQueryAccess = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION

// The single-byte toolhelp record, the only form the 9x family has.
using ProcessEntryA = tagPROCESSENTRY32;

using CreateSnapshotFunction = HANDLE(WINAPI*)(DWORD, DWORD);
using QueryImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
using EnumModulesFunction = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
using ModuleFileNameFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

template <typename Function>
Function Entry(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

HMODULE Kernel32() { return GetModuleHandleW(L"kernel32.dll"); }
// Loaded once and kept for the run; hosts without it lose only the module route.
HMODULE Psapi() {
  static const HMODULE psapi = LoadSystemLibrary(L"psapi.dll");
  return psapi;
}

// The pair of toolhelp calls that walks a snapshot's records of one form: wide, or single-byte
// (the only form the 9x family has). Either is null where the host lacks it.
template <typename Record>
struct ProcessWalk {
  using Step = BOOL(WINAPI*)(HANDLE, Record*);
  Step first;
  Step next;
};

template <typename Record>
ProcessWalk<Record> FindProcessWalk(const char* firstName, const char* nextName) {
  using Step = typename ProcessWalk<Record>::Step;
  return {Entry<Step>(Kernel32(), firstName), Entry<Step>(Kernel32(), nextName)};
}

// The snapshot's record of one process; nothing when the walk is missing or the process is not there.
template <typename Record>
std::optional<Record> FindProcessRecord(const ProcessWalk<Record>& walk, void* snapshot, std::uint32_t processId) {
  if (!walk.first || !walk.next) return std::nullopt;
  Record record{};
  record.dwSize = sizeof(record);
  for (BOOL more = walk.first(snapshot, &record); more; more = walk.next(snapshot, &record)) {
    if (record.th32ProcessID == processId) return record;
  }
  return std::nullopt;
}

// Single-byte text of the system code page, up to its first NUL, as Unicode.
std::u16string FromAnsi(const char* text, std::size_t capacity) {
  const int length = static_cast<int>(strnlen(text, capacity));
  if (length == 0) return {};
  const int wide = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
  if (wide <= 0) return {};
  std::u16string result(static_cast<std::size_t>(wide), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text, length, reinterpret_cast<wchar_t*>(result.data()), wide);
  return result;
}

// Hosts before Vista refuse the limited access right; they get the full query access instead.
HANDLE OpenForImageName(DWORD processId) {
  HANDLE process = OpenProcess(kLimitedQueryAccess, FALSE, processId);
  return process ? process : OpenProcess(kQueryAndReadAccess, FALSE, processId);
}

}  // namespace

bool SetDebugPrivilege(bool enable) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  OwnedHandle owned(token);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  if (!LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) return false;
  privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
  // Succeeds also when the account does not hold the privilege; the last error tells.
  if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)) return false;
  return GetLastError() == ERROR_SUCCESS;
}

ProcessWin32::ProcessWin32(HostPort& host) : host_(host) {}

std::uint32_t ProcessWin32::GetWindowThreadProcessId(WindowHandle window) {
  DWORD processId = 0;
  if (window != 0) ::GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &processId);
  return processId;
}

void ProcessWin32::EnableDebugPrivilege() { SetDebugPrivilege(true); }

std::u16string ProcessWin32::GetProcessPath9x(std::uint32_t ProcessId) {
  static const auto createSnapshot = Entry<CreateSnapshotFunction>(Kernel32(), "CreateToolhelp32Snapshot");
  if (!createSnapshot) return {};
  OwnedHandle snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return {};
  return host_.IsHostWinNT() ? SnapshotPathWide(snapshot.get(), ProcessId)
                             : SnapshotPathSingleByte(snapshot.get(), ProcessId);
}

std::u16string ProcessWin32::SnapshotPathWide(void* snapshot, std::uint32_t ProcessId) {
  static const auto walk = FindProcessWalk<PROCESSENTRY32W>("Process32FirstW", "Process32NextW");
  const auto record = FindProcessRecord(walk, snapshot, ProcessId);
  if (!record) return {};
  PROCESSENTRY32W entry = *record;
  entry.szExeFile[MAX_PATH - 1] = L'\0';
  return Utf16(entry.szExeFile);
}

std::u16string ProcessWin32::SnapshotPathSingleByte(void* snapshot, std::uint32_t ProcessId) {
  static const auto walk = FindProcessWalk<ProcessEntryA>("Process32First", "Process32Next");
  const auto record = FindProcessRecord(walk, snapshot, ProcessId);
  return record ? FromAnsi(record->szExeFile, sizeof(record->szExeFile)) : std::u16string();
}

std::u16string ProcessWin32::QueryFullProcessPath(std::uint32_t ProcessId) {
  static const auto queryImageName = Entry<QueryImageNameFunction>(Kernel32(), "QueryFullProcessImageNameW");
  if (!queryImageName) return {};
  OwnedHandle process(OpenForImageName(ProcessId));
  if (!process) return {};
  std::vector<wchar_t> buffer(kPathCapacity + 1, L'\0');
  DWORD size = kPathCapacity;
  // Flags 0: the drive-letter form of the path, not the native device form.
  if (!queryImageName(process.get(), 0, buffer.data(), &size)) return {};
  return Utf16(buffer.data());
}

std::u16string ProcessWin32::GetProcessModulePath(std::uint32_t ProcessId) {
  static const auto enumModules = Entry<EnumModulesFunction>(Psapi(), "EnumProcessModules");
  static const auto moduleFileName = Entry<ModuleFileNameFunction>(Psapi(), "GetModuleFileNameExW");
  if (!enumModules || !moduleFileName) return {};
  OwnedHandle process(OpenProcess(kQueryAndReadAccess, FALSE, ProcessId));
  if (!process) return {};
  // Room for one handle: the first module is the executable image.
  HMODULE module = nullptr;
  DWORD needed = 0;
  if (!enumModules(process.get(), &module, sizeof(module), &needed)) return {};
  std::vector<wchar_t> buffer(kPathCapacity + 1, L'\0');
  if (moduleFileName(process.get(), module, buffer.data(), kPathCapacity) == 0) return {};
  return Utf16(buffer.data());
}

}  // namespace lartsen::win32
