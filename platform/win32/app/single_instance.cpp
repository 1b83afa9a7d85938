// The named mutex behind the single-instance guard; held until the guard is released.
#include "platform/win32/app/single_instance.h"

#include <windows.h>

#include "platform/win32/last_error_win32.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {

SingleInstanceGuard::~SingleInstanceGuard() { Release(); }

bool SingleInstanceGuard::ClaimInstance(std::u16string_view key) {
  Release();
  std::wstring name = L"Local\\" + Wide(key);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  DWORD error = GetLastError();
  if (mutex == nullptr) {
    // A same-named object of another kind, or access denied: someone else holds the name.
    if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE) return false;
    throw Win32Error(error, UiText::CannotCheckRunningInstance);
  }
  if (error == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  mutex_ = mutex;
  return true;
}

void SingleInstanceGuard::Release() {
  if (mutex_) {
    CloseHandle(static_cast<HANDLE>(mutex_));
    mutex_ = nullptr;
  }
}

}  // namespace lartsen::win32
