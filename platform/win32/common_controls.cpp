// The common controls, registered on first need rather than at start: only the dialogs use
// them, and loading the library costs a resident program that never opens a dialog more than a
// megabyte of picture data under some hosts for its whole run.
#include "platform/win32/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace lartsen::win32 {

bool EnsureCommonControls() {
  static const bool registered = [] {
    // By name, not by the system folder's path: the program's manifest asks for version 6 of the
    // common controls, and only a load by name is redirected to it by the activation context,
    // which is consulted before any folder is searched.
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (library == nullptr) return false;
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init =
        reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    if (init == nullptr) return false;
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return init(&controls) != FALSE;
  }();
  return registered;
}

}  // namespace lartsen::win32
