// The system's window events for the foreground watch: the foreground moving, the stamped window retitled.
#include "platform/win32/app/window_events.h"

#include <utility>

namespace lartsen::win32 {
namespace {

constexpr DWORD kHookFlags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;

// The system's event callback carries no context of ours; the one owner on this thread (out of
// context, events arrive on the thread that hooked them) is found here.
thread_local WindowEvents* owner = nullptr;

}  // namespace

WindowEvents::WindowEvents(Handlers handlers) : handlers_(std::move(handlers)) {
  owner = this;
  foreground_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                &WindowEvents::OnEvent, 0, 0, kHookFlags);
}

WindowEvents::~WindowEvents() {
  if (names_) UnhookWinEvent(names_);
  if (foreground_) UnhookWinEvent(foreground_);
  if (owner == this) owner = nullptr;
}

void WindowEvents::Follow(WindowHandle stamped) {
  const HWND hwnd = reinterpret_cast<HWND>(stamped);
  if (hwnd == stamped_) return;
  stamped_ = hwnd;
  DWORD process = 0;
  DWORD thread = hwnd ? GetWindowThreadProcessId(hwnd, &process) : 0;
  if (process == GetCurrentProcessId()) thread = 0;  // our own dialogs: nothing to adopt
  if (thread == namesThread_) return;
  if (names_) UnhookWinEvent(names_);
  names_ = nullptr;
  namesThread_ = thread;
  if (thread != 0) {
    names_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                             &WindowEvents::OnEvent, process, thread, kHookFlags);
  }
}

void CALLBACK WindowEvents::OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child,
                                    DWORD, DWORD) {
  WindowEvents* self = owner;
  if (!self) return;
  // Nothing thrown may unwind into the system's dispatch.
  try {
    if (event == EVENT_SYSTEM_FOREGROUND) {
      self->delivered_ = true;
      if (self->handlers_.ForegroundChanged) self->handlers_.ForegroundChanged();
    } else if (event == EVENT_OBJECT_NAMECHANGE && object == OBJID_WINDOW &&
               child == CHILDID_SELF && hwnd != nullptr && hwnd == self->stamped_) {
      if (self->handlers_.TitleChanged) {
        self->handlers_.TitleChanged(reinterpret_cast<WindowHandle>(hwnd));
      }
    }
  } catch (...) {
  }
}

}  // namespace lartsen::win32
