// Window port over User32: titles of any window, read without asking its (maybe hung) thread.
#pragma once

#include <windows.h>

// After <windows.h>, so that its title macros are taken back for the port's names.
#include "support/window_port.h"

#include <cstdint>
#include <string>

namespace lartsen::win32 {

class WindowWin32 : public WindowPort {
 public:
  // How long a title write waits for a window of another thread before giving up.
  static constexpr unsigned kWriteTimeoutMs = 300;
  // How long the last word at the end of the run waits for a window that does not answer. A
  // window that hangs that long holds up the session's end by itself anyway.
  static constexpr unsigned kLastWriteTimeoutMs = 8000;

  WindowHandle GetForegroundWindow() override;
  std::u16string GetWindowText(WindowHandle window) override;
  void SetWindowText(WindowHandle window, std::u16string_view text) override;
  bool TrySetWindowText(WindowHandle window, std::u16string_view text) override;
  bool SetWindowTextWhenAble(WindowHandle window, std::u16string_view text) override;
  std::u16string GetWindowClassName(WindowHandle window) override;
  std::uint32_t GetWindowProcessId(WindowHandle window) override;

  // The class and the owning process of a window are fixed for its life, and the stamped window
  // is asked for them on every tick (by the guard, the rules and the writer). The answers for
  // the last window asked are kept for this long: a handle that names a new window needs the
  // old one destroyed and its handle slot reused thousands of times, which takes longer.
  static constexpr std::uint32_t kWindowFactsLifetimeMs = 1000;

  // A thread that took a message this recently cannot count as hung: the system calls a window
  // hung only after five seconds without it asking for messages. Within this time the write
  // skips the question, one call to the window manager fewer on every tick.
  static constexpr std::uint32_t kAnswerShowsAliveMs = 2000;

 private:
  // Times are the 32-bit tick count (GetTickCount, which every host has); the unsigned
  // difference stays right across its wrap after 49.7 days.
  struct KeptFact {
    WindowHandle window = 0;
    std::uint32_t readAtMs = 0;
    bool Holds(WindowHandle w, std::uint32_t now,
               std::uint32_t lifetimeMs = kWindowFactsLifetimeMs) const {
      return readAtMs != 0 && window == w && now - readAtMs < lifetimeMs;
    }
  };
  KeptFact keptClass_;
  std::u16string className_;
  KeptFact keptOwner_;
  unsigned long ownerProcess_ = 0;
  // The write of both: `lateIsFine` sends even to a hung window and waits the longer time.
  bool SendText(WindowHandle window, std::u16string_view text, bool lateIsFine);

  KeptFact lastAnswer_;  // the window whose thread last took a title from us, and when
  std::wstring textBuffer_;  // for the text read or written last; reused by every call
};

}  // namespace lartsen::win32
