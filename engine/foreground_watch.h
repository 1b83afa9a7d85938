// Runs the refresh tick at once when the foreground window changes; never one tick inside another.
#pragma once

#include <functional>

#include "engine/full_screen_guard.h"
#include "engine/title_writer.h"
#include "support/types.h"
#include "support/window_port.h"

namespace lartsen {

// Every tick, the timer's and the watch's own, runs through Tick(), and the refresh cycle asks
// the full-screen guard through the watch, so the watch knows which foreground window the last
// tick examined. A poll then costs one foreground query and runs a tick only when the
// foreground has moved on since: a switch is stamped within one poll whatever the refresh rate,
// and a switch that a timer tick has already handled causes no second tick.
// Everything is held by reference and must outlive the watch.
class ForegroundWatch : public FullScreenQuery {
 public:
  using TickFunction = std::function<void()>;

  // `tick` is one tick of the refresh cycle, which asks this watch as its guard; `guard` is the
  // real full-screen guard; `writer` tells which window carries the stamp and what it shows.
  ForegroundWatch(FullScreenQuery& guard, WindowPort& windows, const TitleWriter& writer,
                  TickFunction tick);

  // A tick of the refresh timer (or the first at start). Errors of the tick propagate; called
  // while a tick runs (from a message the tick let through) it does nothing.
  void Tick();
  // The fallback poll, and the platform's word that the foreground has changed: one foreground
  // query, and a tick only when it differs from the window the last tick examined. True when a
  // tick ran.
  bool Poll();
  // The platform's word that `window`'s title has changed: a tick when `window` carries the
  // stamp and no longer shows our text, so that its application's own retitle is adopted at
  // once. Our own writes, which change the title too, cause nothing. At most one such tick
  // between two other ticks, so that a window that alters every title written to it cannot
  // drive the program round in circles. True when a tick ran.
  bool TitleChanged(WindowHandle window);

  // The guard's answer, noting the foreground window it examined.
  FullScreenCheck IsFullScreenWindow(WindowHandle window, WindowHandle monitorWindow) override;

 private:
  void Run();

  FullScreenQuery& guard_;
  WindowPort& windows_;
  const TitleWriter& writer_;
  TickFunction tick_;
  WindowHandle seen_ = 0;    // the foreground window the last tick examined
  bool running_ = false;     // a tick is under way
  bool retitleRan_ = false;  // the last tick was one for a retitle
};

}  // namespace lartsen
