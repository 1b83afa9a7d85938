// One tick of the refresh timer: guard, foreground window, the facts the rules need, the match.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/full_screen_guard.h"
#include "engine/title_writer.h"
#include "process/window_process_path.h"
#include "rules/conditions_table.h"
#include "rules/like_text.h"
#include "rules/rule_match.h"
#include "support/types.h"
#include "support/window_port.h"

namespace lartsen {

// Holds nothing between ticks; every tick reads the foreground window and its facts anew.
// The foreground window is read once per tick, by the guard, and the window the guard
// examined is the one the rules see: read twice, a full-screen window that came to the front
// between the readings would be stamped without having been looked at.
// Everything is held by reference and must outlive the cycle; the table is only read.
class RefreshCycle {
 public:
  using ApplyTitleFunction = std::function<void(WindowHandle)>;

  // `ApplyTitle` receives the chosen window (0: none) once per tick that gets past the guard.
  RefreshCycle(FullScreenQuery& guard, WindowPort& windows, ProcessPathPort& processes,
               const ConditionsTable& conditions, const CharacterOrder& order,
               ApplyTitleFunction ApplyTitle);
  // The program's own wiring: the chosen window goes to the title writer.
  RefreshCycle(FullScreenQuery& guard, WindowPort& windows, ProcessPathPort& processes,
               const ConditionsTable& conditions, const CharacterOrder& order, TitleWriter& writer)
      : RefreshCycle(guard, windows, processes, conditions, order,
                     [&writer](WindowHandle window) { writer.ApplyTitle(window); }) {}

  // The program's own hidden window. It comes to the foreground while the program's tray menu
  // is open; then a tick leaves every title as it is, as for a full-screen window, so the
  // user's window keeps its stamp and the hidden window keeps the caption others find it by.
  void SetOwnWindow(WindowHandle window) { ownWindow_ = window; }

  // One tick. Errors from the window facts, the pattern comparison or the title writer
  // propagate and end the tick where they arise; the caller decides what the user sees.
  void Tick();

 private:
  // The window the rules leave to be stamped: `foreground` unless a rule matches it.
  WindowHandle ChooseWindow(WindowHandle foreground);
  // True when some rule's constrained cells all match the facts; the search stops there.

  FullScreenQuery& guard_;
  WindowPort& windows_;
  ProcessPathPort& processes_;
  const ConditionsTable& conditions_;
  const CharacterOrder& order_;
  ApplyTitleFunction ApplyTitle_;
  WindowHandle ownWindow_ = 0;
};

}  // namespace lartsen
