// Opening documents through the Windows shell, and the active window as the owner of what opens.
#pragma once

#include "support/shell_port.h"

namespace lartsen::win32 {

class Shell final : public ShellPort {
 public:
  WindowHandle GetActiveWindow() override;
  // NT hosts: ShellExecuteW, so that any path works. 9x hosts: ShellExecuteA on the path in the
  // ANSI code page; a path that code page cannot hold fails.
  bool OpenDocument(WindowHandle owner, std::u16string_view path,
                    std::u16string_view workingDirectory) override;
};

}  // namespace lartsen::win32
