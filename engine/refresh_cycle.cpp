// One tick of the refresh timer: guard, foreground window, the facts the rules need, the match.
#include "engine/refresh_cycle.h"

#include <cstdint>
#include <utility>

namespace lartsen {

RefreshCycle::RefreshCycle(FullScreenQuery& guard, WindowPort& windows, ProcessPathPort& processes,
                           const ConditionsTable& conditions, const CharacterOrder& order,
                           ApplyTitleFunction ApplyTitle)
    : guard_(guard),
      windows_(windows),
      processes_(processes),
      conditions_(conditions),
      order_(order),
      ApplyTitle_(std::move(ApplyTitle)) {}

void RefreshCycle::Tick() {
  // While a window covers its monitor (a game, a slide show) nothing is written or restored.
  const FullScreenCheck check = guard_.IsFullScreenWindow(0, 0);
  if (check.FullScreen) return;
  const WindowHandle window = check.Window;
  if (ownWindow_ != 0 && window == ownWindow_) return;

  // `window` now holds the foreground window the guard examined (0 when there is none).
  const WindowHandle chosen = conditions_.ConditionsLoaded ? ChooseWindow(window) : 0;
  ApplyTitle_(chosen);
}

WindowHandle RefreshCycle::ChooseWindow(WindowHandle foreground) {
  const auto& used = conditions_.ConditionColumnsUsed;

  // Only facts some rule constrains are fetched; the process name is the costly one.
  std::array<std::u16string, 3> facts;
  if (used[kClassColumn]) facts[kClassColumn] = windows_.GetWindowClassName(foreground);
  if (used[kTitleColumn]) facts[kTitleColumn] = windows_.GetWindowText(foreground);
  if (used[kProcessColumn]) {
    std::uint32_t processId = 0;
    facts[kProcessColumn] = processes_.GetWindowProcessPath(foreground, processId);
  }

  return AnyRuleMatches(conditions_, facts, order_) ? 0 : foreground;
}

}  // namespace lartsen
