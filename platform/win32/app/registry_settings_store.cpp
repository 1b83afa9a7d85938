// Registry-backed settings: one key per section below HKEY_CURRENT_USER.
#include "platform/win32/app/registry_settings_store.h"

#include <windows.h>

#include <vector>

#include "platform/win32/last_error_win32.h"
#include "platform/win32/owned_win32.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {
namespace {

[[noreturn]] void ThrowRegistry(LONG code, std::u16string_view what) {
  throw Win32Error(static_cast<DWORD>(code), UiText::RegistryErrorPrefix, what);
}

// A write the registry refused names the value in full and the system's reason, for the user.
[[noreturn]] void ThrowRefusedWrite(LONG code, const std::wstring& keyPath, std::u16string_view key) {
  const std::wstring where = L"HKEY_CURRENT_USER\\" + keyPath + L"\\" + Wide(key);
  throw ErrorFromWin32(static_cast<DWORD>(code), where.c_str());
}

// No setting is of use beyond a few thousand units (text_limits.h); a value far beyond that is
// refused before it is read, so a planted megabyte never reaches the loader.
constexpr DWORD kMaxTextBytes = 256 * 1024;

SettingValue ReadText(HKEY handle, const std::wstring& name, DWORD size, std::u16string_view key) {
  // The value may change between the two queries; ask again while it keeps growing. A value
  // beyond any setting's use is not read at all: it fails like an unreadable one.
  std::vector<wchar_t> buffer;
  DWORD type = 0;
  LONG queried = ERROR_SUCCESS;
  do {
    if (size > kMaxTextBytes) ThrowRegistry(ERROR_MORE_DATA, key);
    buffer.assign(size / sizeof(wchar_t) + 2, L'\0');
    size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    queried = RegQueryValueExW(handle, name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer.data()), &size);
  } while (queried == ERROR_MORE_DATA);
  if (queried != ERROR_SUCCESS) ThrowRegistry(queried, key);
  if (type != REG_SZ) ThrowRegistry(ERROR_DATATYPE_MISMATCH, key);
  // Stored text need not end in NUL; it ends at its first NUL if it has one.
  std::wstring text(buffer.data(), size / sizeof(wchar_t));
  text = text.substr(0, text.find(L'\0'));
  return Utf16(text);
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::u16string keyPath) : keyPath_(std::move(keyPath)) {}

std::wstring RegistrySettingsStore::SectionPath(std::u16string_view section) const {
  std::wstring path = Wide(keyPath_);
  if (!section.empty()) path += L"\\" + Wide(section);
  return path;
}

SettingValue RegistrySettingsStore::ReadSetting(std::u16string_view section,
                                                std::u16string_view key, SettingKind kind,
                                                const SettingValue& defaultValue) {
  HKEY raw = nullptr;
  LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE, &raw);
  if (opened == ERROR_FILE_NOT_FOUND) return defaultValue;
  if (opened != ERROR_SUCCESS) ThrowRegistry(opened, key);
  RegistryKey handle(raw);

  std::wstring name = Wide(key);
  DWORD type = 0;
  DWORD size = 0;
  LONG queried = RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (queried == ERROR_FILE_NOT_FOUND) return defaultValue;
  if (queried != ERROR_SUCCESS) ThrowRegistry(queried, key);

  // A number written by hand as text ("500") is handed over as text; the loader reads the
  // number in it.
  if (kind == SettingKind::Number && type != REG_SZ) {
    if (type != REG_DWORD || size != sizeof(DWORD)) ThrowRegistry(ERROR_DATATYPE_MISMATCH, key);
    DWORD value = 0;
    size = sizeof value;
    queried = RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size);
    if (queried != ERROR_SUCCESS) ThrowRegistry(queried, key);
    return static_cast<std::int32_t>(value);
  }
  if (type != REG_SZ) ThrowRegistry(ERROR_DATATYPE_MISMATCH, key);
  return ReadText(handle.get(), name, size, key);
}


void RegistrySettingsStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                         SettingKind kind, const SettingValue& value) {
  HKEY raw = nullptr;
  LONG created = RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0,
                                 KEY_SET_VALUE, nullptr, &raw, nullptr);
  if (created != ERROR_SUCCESS) ThrowRefusedWrite(created, SectionPath(section), key);
  RegistryKey handle(raw);

  std::wstring name = Wide(key);
  LONG written;
  if (kind == SettingKind::Number) {
    DWORD number = static_cast<DWORD>(SettingToInt32(value));
    written = RegSetValueExW(handle.get(), name.c_str(), 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&number), sizeof number);
  } else {
    std::wstring text = Wide(SettingToText(value));
    written = RegSetValueExW(handle.get(), name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  if (written != ERROR_SUCCESS) ThrowRefusedWrite(written, SectionPath(section), key);
}

}  // namespace lartsen::win32
