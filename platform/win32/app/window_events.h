// The system's window events for the foreground watch: the foreground moving, the stamped window retitled.
#pragma once

#include <windows.h>

#include <functional>

#include "support/types.h"

namespace lartsen::win32 {

// Out-of-context event hooks, delivered to this thread between its messages. Not every host
// delivers them (the compatibility layer used for the tests does not), so the foreground watch
// polls as well; the hooks only make the answer come sooner. One instance per thread.
class WindowEvents {
 public:
  struct Handlers {
    std::function<void()> ForegroundChanged;
    std::function<void(WindowHandle)> TitleChanged;
  };

  // Hooks the foreground's changes; a host that refuses the hook leaves the poll to do the work.
  explicit WindowEvents(Handlers handlers);
  ~WindowEvents();
  WindowEvents(const WindowEvents&) = delete;
  WindowEvents& operator=(const WindowEvents&) = delete;

  // Title changes are hooked only in the thread of the window that carries the stamp (0: none),
  // so that the rest of the desktop's many name changes never reach this program.
  void Follow(WindowHandle stamped);
  // True once a foreground event has arrived: the host delivers them.
  bool Delivered() const { return delivered_; }

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object, LONG child,
                               DWORD thread, DWORD time);

  Handlers handlers_;
  HWINEVENTHOOK foreground_ = nullptr;
  HWINEVENTHOOK names_ = nullptr;
  HWND stamped_ = nullptr;
  DWORD namesThread_ = 0;
  bool delivered_ = false;
};

}  // namespace lartsen::win32
