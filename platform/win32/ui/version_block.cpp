// The program's title and version from the version block of the running executable.
#include "platform/win32/ui/version_block.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/win32/system_library.h"

namespace lartsen::win32 {
namespace {

// The version functions, from the system's version.dll (never one beside the program).
struct VersionCalls {
  using SizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
  using InfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
  using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
  SizeFunction Size = nullptr;
  InfoFunction Info = nullptr;
  QueryFunction Query = nullptr;

  static const VersionCalls& Host() {
    static const VersionCalls calls = [] {
      const HMODULE module = LoadSystemLibrary(L"version.dll");
      return VersionCalls{SystemFunction<SizeFunction>(module, "GetFileVersionInfoSizeW"),
                          SystemFunction<InfoFunction>(module, "GetFileVersionInfoW"),
                          SystemFunction<QueryFunction>(module, "VerQueryValueW")};
    }();
    return calls;
  }
};

std::wstring QueryString(const std::vector<BYTE>& block, WORD language, WORD codePage, const wchar_t* name) {
  wchar_t key[64];
  std::swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\%ls", language, codePage, name);
  wchar_t* value = nullptr;
  UINT length = 0;
  if (!VersionCalls::Host().Query(block.data(), key, reinterpret_cast<void**>(&value), &length) || value == nullptr ||
      length == 0) {
    return {};
  }
  return std::wstring(value, wcsnlen(value, length));
}

}  // namespace

ProgramVersion ReadProgramVersion(const std::wstring& modulePath) {
  std::wstring path = modulePath;
  if (path.empty()) {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    path.assign(buffer.data(), length);
  }
  ProgramVersion result;
  DWORD ignored = 0;
  const VersionCalls& calls = VersionCalls::Host();
  if (!calls.Size || !calls.Info || !calls.Query) return result;
  const DWORD size = calls.Size(path.c_str(), &ignored);
  if (size == 0) return result;
  std::vector<BYTE> block(size);
  if (!calls.Info(path.c_str(), 0, size, block.data())) return result;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedLength = 0;
  if (calls.Query(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength) && fixed != nullptr &&
      fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
    wchar_t version[64];
    std::swprintf(version, 64, L"%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                  HIWORD(fixed->dwFileVersionLS));
    result.Version = version;
  }

  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  UINT translationsLength = 0;
  std::vector<Translation> tried;
  if (calls.Query(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                     &translationsLength) && translations != nullptr) {
    tried.assign(translations, translations + translationsLength / sizeof(Translation));
  }
  // Blocks written without a translation table commonly use these.
  tried.push_back({0x0419, 1200});
  tried.push_back({0x0409, 1200});
  tried.push_back({0x0409, 1252});
  for (const Translation& t : tried) {
    result.Title = QueryString(block, t.language, t.codePage, L"ProductName");
    if (result.Title.empty()) result.Title = QueryString(block, t.language, t.codePage, L"FileDescription");
    if (!result.Title.empty()) break;
  }
  return result;
}

}  // namespace lartsen::win32
