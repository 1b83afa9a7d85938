// When the refresh timer's next tick falls: in step with the clock's seconds for whole-second rates.
#include "app/refresh_placement.h"

#include <algorithm>

namespace lartsen {

namespace {
constexpr std::int32_t kMillisecondsPerDay = 86400000;
}  // namespace

std::int32_t RefreshPlacement::NextDelay() {
  if (!PlacesEachTick()) return std::max(rate_, kShortestTickMs);
  return InStep(rate_);
}

std::int32_t RefreshPlacement::DelayToNextSecond() { return InStep(1000); }

std::int32_t RefreshPlacement::InStep(std::int32_t period) {
  const std::int32_t now = clock_.MillisecondsOfDay();
  if (now < 0 || now >= kMillisecondsPerDay) return period;
  // How far `now` lies past the last moment in step. A tick that came a little early by the
  // clock (its timer and the clock disagree by a few milliseconds) gets the moment just ahead,
  // so the second it is about to miss is still stamped.
  const std::int32_t past = ((now - kTickAfterSecondMs) % period + period) % period;
  return period - past;
}

}  // namespace lartsen
