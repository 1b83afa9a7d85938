// The Run-key entry that starts the program when the user logs on.
#include "platform/win32/app/auto_start_win32.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/win32/last_error_win32.h"
#include "platform/win32/owned_win32.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {
namespace {

[[noreturn]] void ThrowRegistry(LONG code) {
  throw Win32Error(static_cast<DWORD>(code), UiText::CannotChangeAutoStart);
}

// The program a Run value starts: the quoted path at its front, or the whole value unquoted.
std::wstring CommandProgram(std::wstring command) {
  const auto first = command.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  command.erase(0, first);
  if (command.front() == L'"') {
    const auto close = command.find(L'"', 1);
    return command.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
  }
  const auto last = command.find_last_not_of(L" \t");
  return command.substr(0, last + 1);
}

// File names compare without regard to letter case, as the file system does.
bool SamePath(std::wstring a, std::wstring b) {
  if (a.size() != b.size()) return false;
  CharUpperBuffW(a.data(), static_cast<DWORD>(a.size()));
  CharUpperBuffW(b.data(), static_cast<DWORD>(b.size()));
  return a == b;
}

// The text of a REG_SZ or REG_EXPAND_SZ value (expanded); nothing for other kinds.
std::optional<std::wstring> ReadText(HKEY key, const std::wstring& name) {
  DWORD type = 0;
  DWORD size = 0;
  LONG queried = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (queried == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (queried != ERROR_SUCCESS) ThrowRegistry(queried);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::wstring();
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
  size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  queried = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size);
  if (queried != ERROR_SUCCESS) ThrowRegistry(queried);
  std::wstring text(buffer.data(), wcsnlen(buffer.data(), size / sizeof(wchar_t)));
  if (type == REG_EXPAND_SZ) {
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    std::vector<wchar_t> expanded(needed + 1);
    if (needed != 0 && ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed + 1) != 0) {
      text = expanded.data();
    }
  }
  return text;
}

}  // namespace

std::u16string RunningProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) ThrowLastError(UiText::CannotFindProgramPath);
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
  // An entry that starts another copy (one that has since moved) does not start this one.
  const std::optional<std::wstring> command = ReadText(run.get(), Wide(key));
  return command && SamePath(CommandProgram(*command), Wide(ProgramPath()));
}

std::u16string RegistryAutoStart::ProgramPath() const {
  return programPath_.empty() ? RunningProgramPath() : programPath_;
}

void RegistryAutoStart::EnableAutoStart(std::u16string_view key) {
  std::wstring command = L"\"" + Wide(ProgramPath()) + L"\"";
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
