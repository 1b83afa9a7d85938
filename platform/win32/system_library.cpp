// Loading DLLs from the system folder only, and narrowing the search of any other load.
#include "platform/win32/system_library.h"

#include <string>

namespace lartsen::win32 {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  path += L'\\';
  path += name;
  // The module's own dependencies are searched for beside it, in the system folder, too.
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void RestrictDllSearch() {
  using SetDefaultFunction = BOOL(WINAPI*)(DWORD);
  using SetDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  // Windows 8 and later, or 7 and Vista with KB2533623: the system folder and explicitly added
  // folders only.
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  if (const auto setDefault = SystemFunction<SetDefaultFunction>(kernel, "SetDefaultDllDirectories")) {
    if (setDefault(kSearchSystem32)) return;
  }
  // XP SP1 and later: at least the current folder leaves the search.
  if (const auto setDirectory = SystemFunction<SetDirectoryFunction>(kernel, "SetDllDirectoryW")) {
    setDirectory(L"");
  }
}

}  // namespace lartsen::win32
