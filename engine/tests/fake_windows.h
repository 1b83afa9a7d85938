// Fake window services for the engine's tests: answers set by the test, calls counted.
#pragma once

#include <map>
#include <string>

#include "support/error.h"
#include "support/window_port.h"

namespace lartsen::testing {

class FakeWindows : public WindowPort {
 public:
  WindowHandle GetForegroundWindow() override {
    ++foregroundCalls;
    return foreground;
  }
  std::u16string GetWindowText(WindowHandle window) override {
    ++titleCalls;
    if (failTitle) throw Error(status::kFail, u"title");
    return Lookup(titles, window);
  }
  void SetWindowText(WindowHandle window, std::u16string_view text) override {
    titles[window] = std::u16string(text);
  }
  std::u16string GetWindowClassName(WindowHandle window) override {
    ++classCalls;
    if (failClass) throw Error(status::kFail, u"class");
    return Lookup(classes, window);
  }

  WindowHandle foreground = 0;
  std::map<WindowHandle, std::u16string> titles;
  std::map<WindowHandle, std::u16string> classes;
  bool failTitle = false;
  bool failClass = false;
  int foregroundCalls = 0;
  int titleCalls = 0;
  int classCalls = 0;

 private:
  static std::u16string Lookup(const std::map<WindowHandle, std::u16string>& texts, WindowHandle w) {
    auto it = texts.find(w);
    return it == texts.end() ? std::u16string() : it->second;
  }
};

}  // namespace lartsen::testing
