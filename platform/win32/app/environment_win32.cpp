// Program folder from the module path, special folders from the shell, full paths from the kernel.
#include "platform/win32/app/environment_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/app/auto_start_win32.h"
#include "platform/win32/last_error_win32.h"
#include "platform/win32/win_text.h"
#include "support/paths.h"

namespace lartsen::win32 {

std::u16string EnvironmentWin32::ProgramFolder() { return FolderOfPath(RunningProgramPath()); }

std::u16string EnvironmentWin32::GetSpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  HRESULT result = SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  if (FAILED(result)) throw Error(static_cast<std::int32_t>(result), UiText::CannotFindSpecialFolder);
  return Utf16(path);
}

std::u16string EnvironmentWin32::GetFullFileName(std::u16string_view path) {
  std::wstring wide = Wide(path);
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) ThrowLastError(UiText::InvalidPath);
  std::vector<wchar_t> buffer(needed + 1);
  DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  if (length == 0 || length >= buffer.size()) ThrowLastError(UiText::InvalidPath);
  return Utf16(std::wstring_view(buffer.data(), length));
}

}  // namespace lartsen::win32
