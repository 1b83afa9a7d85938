// Opening documents through the desktop's file associations (xdg-open behind Qt).
#pragma once

#include "support/shell_port.h"

namespace lartsen::linux_app {

class ShellQt final : public ShellPort {
 public:
  WindowHandle GetActiveWindow() override { return 0; }
  // False when the file is missing or no opener could be started; the editor is not waited for.
  bool OpenDocument(WindowHandle owner, std::u16string_view path, std::u16string_view workingDirectory) override;
};

}  // namespace lartsen::linux_app
