// The refresh timer on a QTimer, set anew after each tick when the ticks follow the clock.
#include "platform/linux/app/refresh_timer_qt.h"

namespace lartsen::linux_app {

RefreshTimerQt::RefreshTimerQt(ClockPort& clock) : placement_(clock) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (tick_) tick_();
    // The tick may have stopped the timer (an unload) or changed its rate (the settings).
    if (enabled_ && (placement_.PlacesEachTick() || coast_)) Arm();
  });
}

void RefreshTimerQt::Disable() {
  enabled_ = false;
  timer_.stop();
}

void RefreshTimerQt::Enable() {
  enabled_ = true;
  Arm();
}

void RefreshTimerQt::Arm() {
  // The first tick may fall sooner than the rate: in step with the clock's next second.
  const bool coasting = !placement_.PlacesEachTick() && placement_.Rate() < 1000 && coast_ && coast_();
  timer_.setSingleShot(placement_.PlacesEachTick() || coast_);
  timer_.start(coasting ? placement_.DelayToNextSecond() : placement_.NextDelay());
}

}  // namespace lartsen::linux_app
