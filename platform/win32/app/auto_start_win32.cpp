// The Run-key entry that starts the program when the user logs on.
#include "platform/win32/app/auto_start_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/app/win_text.h"
#include "support/error.h"

namespace lartsen::win32 {
namespace {

[[noreturn]] void ThrowRegistry(LONG code) {
  throw Error(static_cast<std::int32_t>(HRESULT_FROM_WIN32(static_cast<DWORD>(code))),
              u"Не удаётся изменить автозапуск");
}

}  // namespace

std::u16string RunningProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) throw Error(static_cast<std::int32_t>(HRESULT_FROM_WIN32(GetLastError())),
                                 u"Не удаётся определить путь программы");
    if (length < buffer.size()) return Utf16(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);  // long paths are truncated silently otherwise
  }
}

RegistryAutoStart::RegistryAutoStart(std::u16string programPath, std::u16string runKeyPath)
    : programPath_(std::move(programPath)), runKeyPath_(std::move(runKeyPath)) {}

bool RegistryAutoStart::IsAutoStartEnabled(std::u16string_view key) {
  HKEY raw = nullptr;
  LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(runKeyPath_).c_str(), 0, KEY_QUERY_VALUE, &raw);
  if (opened == ERROR_FILE_NOT_FOUND) return false;
  if (opened != ERROR_SUCCESS) ThrowRegistry(opened);
  LONG queried = RegQueryValueExW(raw, Wide(key).c_str(), nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(raw);
  if (queried == ERROR_FILE_NOT_FOUND) return false;
  if (queried != ERROR_SUCCESS) ThrowRegistry(queried);
  return true;
}

void RegistryAutoStart::EnableAutoStart(std::u16string_view key) {
  std::wstring command = L"\"" + Wide(programPath_.empty() ? RunningProgramPath() : programPath_) + L"\"";
  HKEY raw = nullptr;
  LONG created = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(runKeyPath_).c_str(), 0, nullptr, 0,
                                 KEY_SET_VALUE, nullptr, &raw, nullptr);
  if (created != ERROR_SUCCESS) ThrowRegistry(created);
  LONG written = RegSetValueExW(raw, Wide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(command.c_str()),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(raw);
  if (written != ERROR_SUCCESS) ThrowRegistry(written);
}

void RegistryAutoStart::DisableAutoStart(std::u16string_view key) {
  HKEY raw = nullptr;
  LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(runKeyPath_).c_str(), 0, KEY_SET_VALUE, &raw);
  if (opened == ERROR_FILE_NOT_FOUND) return;
  if (opened != ERROR_SUCCESS) ThrowRegistry(opened);
  LONG deleted = RegDeleteValueW(raw, Wide(key).c_str());
  RegCloseKey(raw);
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) ThrowRegistry(deleted);
}

}  // namespace lartsen::win32
