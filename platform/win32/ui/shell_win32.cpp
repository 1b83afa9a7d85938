// Opening documents through the Windows shell, and the active window as the owner of what opens.
#include "platform/win32/ui/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/ui/ansi_text.h"

namespace lartsen::win32 {
namespace {

bool IsHostNT() { return (GetVersion() & 0x80000000u) == 0; }

// ShellExecute returns a pseudo instance handle: a value above 32 means the shell took the file.
bool Succeeded(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

}  // namespace

WindowHandle Shell::GetActiveWindow() {
  return reinterpret_cast<WindowHandle>(::GetActiveWindow());
}

bool Shell::OpenDocument(WindowHandle owner, std::u16string_view path,
                         std::u16string_view workingDirectory) {
  HWND window = reinterpret_cast<HWND>(owner);
  if (IsHostNT()) {
    const std::wstring file(path.begin(), path.end());
    const std::wstring folder(workingDirectory.begin(), workingDirectory.end());
    return Succeeded(ShellExecuteW(window, L"open", file.c_str(), L"",
                                   folder.empty() ? nullptr : folder.c_str(), SW_SHOWDEFAULT));
  }
  const auto file = ToAnsi(path);
  const auto folder = ToAnsi(workingDirectory);
  if (!file || !folder) return false;
  return Succeeded(ShellExecuteA(window, "open", file->c_str(), "",
                                 folder->empty() ? nullptr : folder->c_str(), SW_SHOWDEFAULT));
}

}  // namespace lartsen::win32
