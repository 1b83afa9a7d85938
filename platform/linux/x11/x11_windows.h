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
//
// Between ticks the watch may vouch for what it hears about (Watching): the root's
// _NET_ACTIVE_WINDOW and one window's properties and geometry. The foreground and the facts of
// that window, read while its events come in, are then kept from tick to tick until an event
// says they changed (ForgetActiveWindow, ForgetFacts), and a tick in which nothing changed
// waits for the server not at all.
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

  // The watch receives the root's events (`root`) and those of `window` (0: none) from now on.
  void Watching(bool root, WindowHandle window);
  void ForgetActiveWindow() { active_.reset(); }
  void ForgetFacts(WindowHandle window);
  // The safety net for what no event tells (a monitor added, an event missed): all read anew.
  void ForgetAll();
  // Whether `property` is one the facts of a window are read from (besides its titles).
  bool ReadsProperty(xcb_atom_t property) const;
  // The foreground window the last tick found; 0 when it found none.
  WindowHandle LastForeground() const { return lastForeground_; }

  class TickScope {
   public:
    explicit TickScope(X11Windows& windows) : windows_(windows) { windows_.inTick_ = true; }
    ~TickScope() { windows_.EndTick(); }
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
  // The tick's facts, or those the watch vouches for: kept after a tick only when `cachedKept_`.
  const WindowFacts* Cached(WindowHandle window) const;
  void Cache(WindowHandle window);
  void EndTick();

  bool inTick_ = false;
  std::optional<std::pair<WindowHandle, WindowFacts>> cached_;
  bool cachedKept_ = false;                // read while the watch heard of that window's changes
  std::optional<WindowHandle> active_;     // the foreground, kept while the root is watched
  bool rootWatched_ = false;
  WindowHandle watched_ = 0;
  WindowHandle lastForeground_ = 0;
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
