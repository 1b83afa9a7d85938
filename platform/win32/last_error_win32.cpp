// Turns the calling thread's last Windows error into the core's Error, with the system's text.
#include "platform/win32/last_error_win32.h"

#include <string>

namespace lartsen::win32 {

Error Win32Error(DWORD code, std::u16string_view description) {
  if (code == ERROR_SUCCESS) code = ERROR_GEN_FAILURE;
  return Error(static_cast<std::int32_t>(HRESULT_FROM_WIN32(code)), std::u16string(description));
}

Error Win32Error(DWORD code, UiText key, std::u16string_view detail) {
  if (code == ERROR_SUCCESS) code = ERROR_GEN_FAILURE;
  return Error(static_cast<std::int32_t>(HRESULT_FROM_WIN32(code)), key, std::u16string(detail));
}

Error ErrorFromWin32(DWORD code, const wchar_t* what) {
  // A failing call that left no code still must not read as success.
  if (code == ERROR_SUCCESS) code = ERROR_GEN_FAILURE;
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = what ? std::wstring(what) + L": " : std::wstring();
  if (length != 0 && buffer != nullptr) {
    std::wstring message(buffer, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
      message.pop_back();
    }
    text += message;
  } else {
    text += L"error " + std::to_wstring(code);
  }
  if (buffer != nullptr) LocalFree(buffer);
  return Error(static_cast<std::int32_t>(HRESULT_FROM_WIN32(code)),
               std::u16string(text.begin(), text.end()));
}

}  // namespace lartsen::win32
