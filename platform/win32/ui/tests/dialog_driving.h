// The program's dialogs and message boxes found, read and pressed from outside, as a user would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/tests/e2e/e2e_processes.h"

namespace lartsen::win32::driving {

inline constexpr wchar_t kBoxCaption[] = L"Korvel - Ларцен";

// A visible top-level dialog-class window with that caption; null when none shows in time.
inline HWND WaitForDialog(const wchar_t* caption, int timeoutMs = 10000) {
  HWND dialog = nullptr;
  e2e::WaitUntil([&] { return (dialog = FindWindowW(L"#32770", caption)) != nullptr && IsWindowVisible(dialog); },
                 timeoutMs);
  return IsWindowVisible(dialog) ? dialog : nullptr;
}

inline BOOL CALLBACK KeepLongestStatic(HWND child, LPARAM out) {
  wchar_t kind[32] = {};
  GetClassNameW(child, kind, 32);
  if (_wcsicmp(kind, L"Static") != 0) return TRUE;
  wchar_t text[2048] = {};
  GetWindowTextW(child, text, 2048);
  auto* longest = reinterpret_cast<std::wstring*>(out);
  if (wcslen(text) > longest->size()) *longest = text;
  return TRUE;
}

// The text of the program's next message box, which is then closed with its OK button;
// `shown` runs while the box is on screen.
inline std::wstring TakeMessageBox(const std::function<void()>& shown = nullptr) {
  HWND box = WaitForDialog(kBoxCaption);
  if (box == nullptr) return L"<no message box>";
  if (shown) shown();
  std::wstring text;
  EnumChildWindows(box, KeepLongestStatic, reinterpret_cast<LPARAM>(&text));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  e2e::WaitUntil([&] { return !IsWindow(box); });
  return text;
}

inline void Click(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return text;
}

}  // namespace lartsen::win32::driving
