// A window system of titles and class names set by the test, with its calls counted and logged.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/error.h"
#include "support/window_port.h"

namespace lartsen::testing {

// A handle missing from `titles` is a closed window: reads give empty text and writes change
// nothing. Handle 0 is no window. A handle in `hung` does not take a write in time.
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
  void SetWindowText(WindowHandle window, std::u16string_view text) override { TrySetWindowText(window, text); }
  bool TrySetWindowText(WindowHandle window, std::u16string_view text) override {
    if (failWrites) throw Error(status::kFail, u"write");
    writes.emplace_back(window, std::u16string(text));
    if (hung.contains(window)) return false;
    if (window != 0 && titles.contains(window)) titles[window] = std::u16string(text);
    return true;
  }
  // A hung window keeps the text in `queued`, to take it when the test wakes it.
  bool SetWindowTextWhenAble(WindowHandle window, std::u16string_view text) override {
    if (hung.contains(window)) queued.emplace_back(window, std::u16string(text));
    return TrySetWindowText(window, text);
  }
  std::u16string GetWindowClassName(WindowHandle window) override {
    ++classCalls;
    if (failClass) throw Error(status::kFail, u"class");
    return Lookup(classes, window);
  }

  // The owner's process: as set in `processes`, else a number made from the handle; 0 for a
  // closed window.
  std::uint32_t GetWindowProcessId(WindowHandle window) override {
    if (!titles.contains(window)) return 0;
    auto it = processes.find(window);
    return it == processes.end() ? static_cast<std::uint32_t>(window * 100) : it->second;
  }

  WindowHandle foreground = 0;
  std::map<WindowHandle, std::u16string> titles;
  std::map<WindowHandle, std::u16string> classes;
  std::map<WindowHandle, std::uint32_t> processes;
  std::set<WindowHandle> hung;
  std::vector<std::pair<WindowHandle, std::u16string>> writes;
  std::vector<std::pair<WindowHandle, std::u16string>> queued;
  bool failTitle = false;
  bool failClass = false;
  bool failWrites = false;
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
