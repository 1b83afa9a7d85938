// The window port on X11: foreground, titles and class names, with one fact batch per tick.
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "platform/linux/x11/window_facts.h"
#include "support/window_port.h"

namespace lartsen::x11 {

// Outside a tick every call asks the server afresh. Inside one (TickScope) the foreground's
// facts are read once, in the same batch as the guard's geometry, and the title writes of the
// tick keep them current, so a whole tick costs two waits for the server.
class X11Windows : public WindowPort {
 public:
  explicit X11Windows(Connection& connection) : connection_(connection), reader_(connection) {}

  WindowHandle GetForegroundWindow() override;
  std::u16string GetWindowText(WindowHandle window) override;
  // A window whose title was last read inexactly (WindowFacts::titleExact) is left alone: the
  // write is dropped, and TrySetWindowText reports it as not taken, so the title writer keeps
  // showing the window's own text as its own.
  void SetWindowText(WindowHandle window, std::u16string_view text) override;
  bool TrySetWindowText(WindowHandle window, std::u16string_view text) override;
  std::u16string GetWindowClassName(WindowHandle window) override;
  // _NET_WM_PID of a window of this machine; 0 otherwise.
  std::uint32_t GetWindowProcessId(WindowHandle window) override;

  // The facts of `window`, from the tick's batch when it has them.
  const WindowFacts& Facts(WindowHandle window);

  class TickScope {
   public:
    explicit TickScope(X11Windows& windows) : windows_(windows) { windows_.inTick_ = true; }
    ~TickScope() {
      windows_.inTick_ = false;
      windows_.cached_.reset();
    }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

   private:
    X11Windows& windows_;
  };

  Connection& connection() { return connection_; }
  // Told of every title write, after it has gone to the server, with the number of properties
  // written (the retitle watch counts them).
  void SetWriteObserver(std::function<void(WindowHandle, int)> observer) { observer_ = std::move(observer); }

 private:
  Connection& connection_;
  WindowFactsReader reader_;
  bool inTick_ = false;
  std::optional<std::pair<WindowHandle, WindowFacts>> cached_;
  WindowFacts scratch_;
  std::function<void(WindowHandle, int)> observer_;
  // The window whose title was read last: whether it keeps a _NET_WM_NAME (a window that has
  // only WM_NAME gets only WM_NAME written: a _NET_WM_NAME left behind would hide its later
  // titles from the window manager), and whether its title was read exactly.
  struct LastRead {
    WindowHandle window = 0;
    bool netName = true;
    bool exact = true;
  };
  LastRead lastRead_;
};

}  // namespace lartsen::x11
