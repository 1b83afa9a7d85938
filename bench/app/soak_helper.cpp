// The long-run benchmark's helper. "switch N FILE": N windows of its own, the foreground moved to
// the next one every 100 ms, one of them retitled every second, the titles written to them by
// others counted into FILE. "sample": one line of the resident program's figures as the system
// reports them: private bytes, handles, user objects, GDI objects, its top-level windows.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/tests/plain_window.h"

namespace {

constexpr wchar_t kAppGuid[] = L"{7D6F2105-7E08-4565-ABFE-7C4F127C890A}";
constexpr UINT_PTR kSwitchTimer = 1;
constexpr UINT_PTR kRetitleTimer = 2;

struct Switcher {
  std::vector<HWND> windows;
  std::size_t next = 0;
  unsigned long long retitles = 0;
  unsigned long long written = 0;  // WM_SETTEXT from elsewhere: the stamps and restores
  bool retitling = false;
  std::wstring countFile;
};

void SaveCount(const Switcher& state) {
  FILE* file = _wfopen(state.countFile.c_str(), L"w");
  if (!file) return;
  std::fprintf(file, "%llu %llu\n", state.written, state.retitles);
  std::fclose(file);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* switcher = reinterpret_cast<Switcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!switcher) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_SETTEXT && !switcher->retitling) ++switcher->written;
  if (message == WM_TIMER && wParam == kSwitchTimer && hwnd == switcher->windows[0]) {
    switcher->next = (switcher->next + 1) % switcher->windows.size();
    SetForegroundWindow(switcher->windows[switcher->next]);
    return 0;
  }
  if (message == WM_TIMER && wParam == kRetitleTimer && hwnd == switcher->windows[0]) {
    // The application retitles a window of its own, now and then the one that is stamped.
    ++switcher->retitles;
    HWND target = switcher->windows[switcher->retitles % 2];
    std::wstring title = L"Soak retitled " + std::to_wstring(switcher->retitles);
    switcher->retitling = true;
    SetWindowTextW(target, title.c_str());
    switcher->retitling = false;
    SaveCount(*switcher);
    return 0;
  }
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Switch(HINSTANCE instance, int count, const wchar_t* countFile) {
  Switcher state;
  state.countFile = countFile;
  using namespace lartsen::win32::helper;
  for (int i = 0; i < count; ++i) {
    const std::wstring title = L"Soak window " + std::to_wstring(i);
    HWND hwnd = CreatePlainWindow(instance, WindowProc,
                                  {.className = L"LartsenSoakWindow", .title = title.c_str(),
                                   .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .x = 60 + 40 * i, .y = 60 + 40 * i,
                                   .width = 360, .height = 160,
                                   .background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), .parameter = &state});
    if (!hwnd) return 1;
    state.windows.push_back(hwnd);
  }
  SetForegroundWindow(state.windows[0]);
  SetTimer(state.windows[0], kSwitchTimer, 100, nullptr);
  SetTimer(state.windows[0], kRetitleTimer, 1000, nullptr);
  RunMessageLoop();
  return 0;
}

// The system's process list: the figures some hosts give only there (the compatibility layer
// answers the per-process calls for another process with zeros).
struct ListedFigures {
  unsigned long long privateBytes = 0;
  unsigned long handles = 0;
};
ListedFigures FromProcessList(DWORD id) {
  std::vector<unsigned char> buffer(1 << 16);
  ULONG needed = 0;
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(SystemProcessInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), &needed)) ==
         static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
    buffer.resize(buffer.size() * 2 > needed ? buffer.size() * 2 : needed + 4096);
  }
  ListedFigures figures;
  if (status < 0) return figures;
  for (std::size_t offset = 0;;) {
    const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
    if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == id) {
      figures.privateBytes = entry->VirtualMemoryCounters.PagefileUsage;
      figures.handles = entry->HandleCount;
      break;
    }
    if (entry->NextEntryOffset == 0) break;
    offset += entry->NextEntryOffset;
  }
  return figures;
}

BOOL CALLBACK CountOwnWindows(HWND hwnd, LPARAM data) {
  auto* counts = reinterpret_cast<std::pair<DWORD, int>*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == counts->first) ++counts->second;
  return TRUE;
}

int Sample() {
  HWND main = FindWindowW(nullptr, kAppGuid);
  DWORD id = 0;
  if (!main || !GetWindowThreadProcessId(main, &id)) {
    std::printf("no-program\n");
    return 1;
  }
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (!process) {
    std::printf("no-access %lu\n", GetLastError());
    return 1;
  }
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  unsigned long long privateBytes = 0;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    privateBytes = memory.PrivateUsage;
  }
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  const ListedFigures listed = FromProcessList(id);
  if (privateBytes == 0) privateBytes = listed.privateBytes;
  if (handles == 0) handles = listed.handles;
  const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
  const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
  std::pair<DWORD, int> windows{id, 0};
  EnumWindows(CountOwnWindows, reinterpret_cast<LPARAM>(&windows));
  CloseHandle(process);
  std::printf("%llu %lu %lu %lu %d\n", privateBytes / 1024, handles, user, gdi, windows.second);
  return 0;
}

}  // namespace

// A console program, so that the samples reach its standard output.
int wmain(int count, wchar_t** args) {
  const std::wstring mode = count > 1 ? args[1] : L"";
  if (mode == L"switch" && count > 3) return Switch(GetModuleHandleW(nullptr), _wtoi(args[2]), args[3]);
  if (mode == L"sample") return Sample();
  return 2;
}
