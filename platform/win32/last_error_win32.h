// Turns the calling thread's last Windows error into the core's Error, with the system's text.
#pragma once

#include <windows.h>

#include <string_view>

#include "support/error.h"

namespace lartsen::win32 {

// Status HRESULT_FROM_WIN32(code); description from FormatMessageW in the user's language,
// prefixed by `what` (the call that failed).
Error ErrorFromWin32(DWORD code, const wchar_t* what);
inline Error LastError(const wchar_t* what) { return ErrorFromWin32(GetLastError(), what); }

// Status HRESULT_FROM_WIN32(code) with `description` as it stands, for the texts the user reads.
Error Win32Error(DWORD code, std::u16string_view description);
[[noreturn]] inline void ThrowLastError(std::u16string_view description) {
  throw Win32Error(GetLastError(), description);
}

// The same with the description kept by its catalog key (and a detail after it), so the user
// reads it in the language the program speaks.
Error Win32Error(DWORD code, UiText key, std::u16string_view detail = {});
[[noreturn]] inline void ThrowLastError(UiText key) { throw Win32Error(GetLastError(), key); }

}  // namespace lartsen::win32
