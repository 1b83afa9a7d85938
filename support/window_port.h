// Port to the platform's windows: the foreground window, titles and class names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/types.h"

// <windows.h> maps these names to its wide functions by macro; the port keeps its own names in
// every translation unit, whichever header came first.
#ifdef GetWindowText
#undef GetWindowText
#endif
#ifdef SetWindowText
#undef SetWindowText
#endif

namespace lartsen {

// Every call throws Error on a failure status. For handle 0 or a window that has closed,
// reads give empty text and writes change nothing, both with success.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual WindowHandle GetForegroundWindow() = 0;
  // GetWindowText: the whole current title, of any length.
  virtual std::u16string GetWindowText(WindowHandle window) = 0;
  // SetWindowText: the title becomes exactly `text`.
  virtual void SetWindowText(WindowHandle window, std::u16string_view text) = 0;
  // The same write, reporting whether the window took it: false when its application did not
  // answer within a bounded wait and the title was left as it was. True for handle 0 and closed
  // windows (nothing to write). Ports whose writes never give up keep this default.
  virtual bool TrySetWindowText(WindowHandle window, std::u16string_view text) {
    SetWindowText(window, text);
    return true;
  }
  // The last word to a window that did not take a write in time (at the end of the run): the
  // same write, also to a window its system already calls hung, with a longer bounded wait (a
  // few seconds) in which a window that wakes takes it after every text sent to it before.
  // Where the system keeps a message that timed out, the window takes it even later. True when
  // it took the text within the wait.
  virtual bool SetWindowTextWhenAble(WindowHandle window, std::u16string_view text) {
    return TrySetWindowText(window, text);
  }
  // GetWindowClassName
  virtual std::u16string GetWindowClassName(WindowHandle window) = 0;
  // The id of the process that owns the window; 0 for handle 0, a closed window, or a platform
  // that cannot tell.
  virtual std::uint32_t GetWindowProcessId(WindowHandle) { return 0; }
};

}  // namespace lartsen
