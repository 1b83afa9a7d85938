// On a crash the stamped window gets its own title back, with one write, before the process ends.
#pragma once

#include <windows.h>

#include <exception>

#include "engine/title_writer.h"

namespace lartsen::win32 {

// While it lives, an unhandled exception or std::terminate gives the window the writer stamped
// last its own title back, if that window still shows the text written to it, and then lets
// the process end as it would have. Nothing is prepared at that moment beyond reading the title
// into a buffer on the stack: the writer's fields already hold the window, its own title and
// the text written. The journal is left alone, so that if even this write fails the next start
// finds the record.
class CrashRestore {
 public:
  // The handlers take no context of their own: they find this object through a property of
  // the main window, the program's one window captioned with its identifier.
  CrashRestore(const TitleWriter& writer, HWND mainWindow);
  ~CrashRestore();
  CrashRestore(const CrashRestore&) = delete;
  CrashRestore& operator=(const CrashRestore&) = delete;

  // The restore itself: one title read, at most one bounded write. Never throws.
  void RestoreNow() const noexcept;

 private:
  static LONG WINAPI Filter(EXCEPTION_POINTERS* exception);
  [[noreturn]] static void Terminate();
  static const CrashRestore* Find() noexcept;

  const TitleWriter& writer_;
  HWND mainWindow_;
  LPTOP_LEVEL_EXCEPTION_FILTER previousFilter_;
  std::terminate_handler previousTerminate_;
};

}  // namespace lartsen::win32
