// The windows of the helper programs that tests and benchmarks start in processes of their own:
// a class registered for the helper's procedure, a window of it, and the message loop.
#pragma once

#include <windows.h>

namespace lartsen::win32::helper {

struct PlainWindow {
  const wchar_t* className = L"";
  const wchar_t* title = L"";
  DWORD style = WS_OVERLAPPEDWINDOW;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  HBRUSH background = nullptr;
  DWORD extendedStyle = 0;
  void* parameter = nullptr;  // handed to the procedure with WM_NCCREATE and WM_CREATE
};

// Registers the class unless this process has it already; false when the system refuses it.
inline bool RegisterPlainClass(HINSTANCE instance, WNDPROC procedure, const PlainWindow& window) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, window.className, &windowClass)) return true;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = window.background;
  windowClass.lpszClassName = window.className;
  return RegisterClassW(&windowClass) != 0;
}

// A window of that shape, its class registered first; null when either step fails.
inline HWND CreatePlainWindow(HINSTANCE instance, WNDPROC procedure, const PlainWindow& window) {
  if (!RegisterPlainClass(instance, procedure, window)) return nullptr;
  return CreateWindowExW(window.extendedStyle, window.className, window.title, window.style, window.x, window.y,
                         window.width, window.height, nullptr, nullptr, instance, window.parameter);
}

// What a helper's procedure leaves to the system, but for the quit message when its window goes.
inline LRESULT EndWithWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Translates and dispatches this thread's messages until the helper posts its quit message.
inline void RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace lartsen::win32::helper
