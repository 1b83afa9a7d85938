// Windows DLLs beyond the few the loader always takes from the system folder, loaded by their
// full path there, so that a file of the same name beside the program is never picked up.
#pragma once

#include <windows.h>

namespace lartsen::win32 {

// Loads `name` (for example L"version.dll") from the system folder; null when it is missing.
// The module stays loaded for the run.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of such a module by name, cast to its type; null when the module or the
// function is missing.
template <typename Function>
Function SystemFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// First thing at start: takes the program's and the current folder out of the DLL search where
// the host allows it (SetDefaultDllDirectories, else SetDllDirectoryW with an empty text).
void RestrictDllSearch();

}  // namespace lartsen::win32
