// The Run-key entry that starts the program when the user logs on.
#include "platform/win32/app/auto_start_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/last_error_win32.h"
#include "platform/win32/owned_win32.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {
namespace {

[[noreturn]] void ThrowRegistry(LONG code) {
  throw Win32Error(static_cast<DWORD>(code), u"Не удаётся изменить автозапуск");
}

}  // namespace

std::u16string RunningProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) ThrowLastError(u"Не удаётся определить путь программы");
    if (length < buffer.size()) return Utf16(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);  // long paths are truncated silently otherwise
  }
}

RegistryAutoStart::RegistryAutoStart(std::u16string programPath, std::u16string runKeyPath)
    : programPath_(std::move(programPath)), runKeyPath_(std::move(runKeyPath)) {}

bool RegistryAutoStart::IsAutoStartEnabled(std::u16string_view key) {
  RegistryKey run;
  LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(runKeyPath_).c_str(), 0, KEY_QUERY_VALUE, run.receive());
  if (opened == ERROR_FILE_NOT_FOUND) return false;
  if (opened != ERROR_SUCCESS) ThrowRegistry(opened);
  LONG queried = RegQueryValueExW(run.get(), Wide(key).c_str(), nullptr, nullptr, nullptr, nullptr);
  if (queried == ERROR_FILE_NOT_FOUND) return false;
  if (queried != ERROR_SUCCESS) ThrowRegistry(queried);
  return true;
}

void RegistryAutoStart::EnableAutoStart(std::u16string_view key) {
  std::wstring command = L"\"" + Wide(programPath_.empty() ? RunningProgramPath() : programPath_) + L"\"";
  RegistryKey run;
  LONG created = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(runKeyPath_).c_str(), 0, nullptr, 0,
                                 KEY_SET_VALUE, nullptr, run.receive(), nullptr);
  if (created != ERROR_SUCCESS) ThrowRegistry(created);
  LONG written = RegSetValueExW(run.get(), Wide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(command.c_str()),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  if (written != ERROR_SUCCESS) ThrowRegistry(written);
}

void RegistryAutoStart::DisableAutoStart(std::u16string_view key) {
  RegistryKey run;
  LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(runKeyPath_).c_str(), 0, KEY_SET_VALUE, run.receive());
  if (opened == ERROR_FILE_NOT_FOUND) return;
  if (opened != ERROR_SUCCESS) ThrowRegistry(opened);
  LONG deleted = RegDeleteValueW(run.get(), Wide(key).c_str());
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) ThrowRegistry(deleted);
}

}  // namespace lartsen::win32
