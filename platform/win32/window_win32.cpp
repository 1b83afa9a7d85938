// Window port over User32: titles of any window, read without asking its (maybe hung) thread.
#include "platform/win32/window_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/last_error_win32.h"

namespace lartsen::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

bool IsGone(DWORD code) { return code == ERROR_INVALID_WINDOW_HANDLE; }

// A buffer that an unusually long title made large is given back rather than kept for good.
void ReleaseIfLarge(std::wstring& buffer) {
  if (buffer.capacity() > 65536) std::wstring().swap(buffer);
}

// Reads text with a growing buffer until it is no longer cut short. `read` returns the length
// copied (without the NUL) and leaves an error code when it fails. `buffer` is kept by the
// caller from one read to the next, so that a tick's reads allocate nothing for it.
template <typename Read>
std::u16string ReadGrowing(HWND hwnd, Read read, const wchar_t* what, std::wstring& buffer) {
  ReleaseIfLarge(buffer);
  if (buffer.size() < 256) buffer.resize(256);
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const int copied = read(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    if (copied <= 0) {
      const DWORD code = GetLastError();
      // Empty text, or a window that closed under our hands: empty title with success. Not all
      // hosts report a gone window by its own code, so a failure asks whether it still exists.
      if (code == ERROR_SUCCESS || IsGone(code) || !IsWindow(hwnd)) return {};
      throw ErrorFromWin32(code, what);
    }
    if (static_cast<std::size_t>(copied) < buffer.size() - 1) {
      return std::u16string(buffer.begin(), buffer.begin() + copied);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

WindowHandle WindowWin32::GetForegroundWindow() {
  return reinterpret_cast<WindowHandle>(::GetForegroundWindow());
}

std::u16string WindowWin32::GetWindowText(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  // A window that is gone fails the read, which then reads as empty; asking IsWindow first
  // would cost another call to the window manager on every tick.
  if (hwnd == nullptr) return {};
  // InternalGetWindowText reads the title the system keeps for the window instead of sending
  // WM_GETTEXT (GetWindowText and GetWindowTextLength may send a message), so a hung
  // application cannot stall the program's only thread.
  return ReadGrowing(hwnd, ::InternalGetWindowText, L"InternalGetWindowText", textBuffer_);
}

void WindowWin32::SetWindowText(WindowHandle window, std::u16string_view text) {
  TrySetWindowText(window, text);
}

bool WindowWin32::TrySetWindowText(WindowHandle window, std::u16string_view text) {
  return SendText(window, text, false);
}

bool WindowWin32::SetWindowTextWhenAble(WindowHandle window, std::u16string_view text) {
  return SendText(window, text, true);
}

bool WindowWin32::SendText(WindowHandle window, std::u16string_view text, bool lateIsFine) {
  const HWND hwnd = ToHwnd(window);
  if (hwnd == nullptr) return true;
  // No thread owns a window that is gone; nothing to write to. (A kept owner may belong to a
  // window that has gone since: the message below then fails as for a gone window.)
  const std::uint32_t now = GetTickCount();
  if (!keptOwner_.Holds(window, now)) {
    DWORD owner = 0;
    if (GetWindowThreadProcessId(hwnd, &owner) == 0) return true;
    keptOwner_ = {window, now == 0 ? 1 : now};
    ownerProcess_ = owner;
  }
  const DWORD pid = ownerProcess_;
  // A window the system already considers hung gets no message at all: a message that timed
  // out may still be delivered when it wakes, with an outdated stamp.
  if (!lateIsFine && pid != GetCurrentProcessId() && !lastAnswer_.Holds(window, now, kAnswerShowsAliveMs) &&
      IsHungAppWindow(hwnd)) {
    return false;
  }
  ReleaseIfLarge(textBuffer_);
  textBuffer_.assign(text.begin(), text.end());  // NUL-terminated by the string
  // SetWindowTextW would wait for another thread's window without limit.
  DWORD_PTR result = 0;
  SetLastError(ERROR_SUCCESS);
  // The window procedure's answer is not relied on: some applications handle WM_SETTEXT and
  // answer 0; whether the title changed shows at the next read. Without SMTO_ABORTIFHUNG the
  // message is queued for a hung window too, which takes it if it wakes within the wait.
  const UINT flags = lateIsFine ? SMTO_BLOCK : SMTO_ABORTIFHUNG | SMTO_BLOCK;
  if (SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(textBuffer_.c_str()), flags,
                          lateIsFine ? kLastWriteTimeoutMs : kWriteTimeoutMs, &result) != 0) {
    lastAnswer_ = {window, now == 0 ? 1 : now};
    return true;
  }
  const DWORD code = GetLastError();
  if (IsGone(code)) return true;
  // Gave up (timed out or hung), or refused: a window of a higher integrity level (an elevated
  // program in the foreground) does not accept the message. Its title stays; not an error, or
  // every tick would fail while such a window is in front.
  if (code == ERROR_TIMEOUT || code == ERROR_SUCCESS || code == ERROR_ACCESS_DENIED) return false;
  throw ErrorFromWin32(code, L"SendMessageTimeoutW(WM_SETTEXT)");
}

std::u16string WindowWin32::GetWindowClassName(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (hwnd == nullptr) return {};
  const std::uint32_t now = GetTickCount();
  if (keptClass_.Holds(window, now)) return className_;
  std::u16string name = ReadGrowing(hwnd, ::GetClassNameW, L"GetClassNameW", textBuffer_);
  // Every window has a class name: an empty answer means the window is gone, not kept.
  if (!name.empty()) {
    keptClass_ = {window, now == 0 ? 1 : now};
    className_ = name;
  }
  return name;
}

std::uint32_t WindowWin32::GetWindowProcessId(WindowHandle window) {
  DWORD process = 0;
  if (window != 0) GetWindowThreadProcessId(ToHwnd(window), &process);
  return process;
}

}  // namespace lartsen::win32
