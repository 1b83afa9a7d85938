// A shell that records the documents it is asked to open and answers as a test sets it.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/shell_port.h"

namespace lartsen {

class FakeShell : public ShellPort {
 public:
  struct Open {
    WindowHandle owner;
    std::u16string path, folder;
  };
  std::vector<Open> opened;
  bool succeeds = false;
  std::set<std::u16string, std::less<>> missing;  // refused even when the shell succeeds
  WindowHandle activeWindow = 0x1234;

  WindowHandle GetActiveWindow() override { return activeWindow; }
  bool OpenDocument(WindowHandle owner, std::u16string_view path, std::u16string_view folder) override {
    opened.push_back({owner, std::u16string(path), std::u16string(folder)});
    return succeeds && !missing.contains(path);
  }
};

}  // namespace lartsen
