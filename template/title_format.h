// Expansion of the title template: the time and the memory placeholders.
#pragma once

#include <optional>
#include <string>

#include "support/clock_port.h"
#include "support/memory_port.h"
#include "template/locale_info.h"
#include "support/ole_date.h"

namespace lartsen {

class TitleFormatter {
 public:
  // The stored template and time format are read (never written) whenever an argument of
  // FormatTitle is Null; they are the program's settings and change when the settings do.
  // `locale` is held by reference; when it changes in place, LocaleChanged must follow (the
  // time text made last is reused).
  TitleFormatter(const std::u16string& titlePattern, const std::u16string& timeFormat,
                 const LocaleInfo& locale, ClockPort& clock, MemoryPort& memory);

  // Null arguments (std::nullopt) stand for the stored template, the current time and the
  // stored time format. Throws Error on a failing time format, memory read or size text.
  std::u16string FormatTitle(const std::optional<std::u16string>& PatternText,
                             std::optional<double> TimeValue,
                             const std::optional<std::u16string>& TimeFormatText);

  // The locale record has changed: the next time text is made afresh with its names.
  void LocaleChanged() { timeKnown_ = false; }

  // True when the last stamp made came from the clock alone (no memory figure in it), so that
  // it can change only when a new second begins. False before the first stamp and after a failure.
  bool FollowsOnlyTheClock() const { return clockOnly_; }

 private:
  const std::u16string& storedPattern_;
  const std::u16string& storedTimeFormat_;
  const LocaleInfo& locale_;
  ClockPort& clock_;
  MemoryPort& memory_;
  // Working buffers kept from one call to the next so that a tick allocates less; no value
  // in them survives a call.
  std::u16string values_;
  std::u16string scratch_;
  // The time text changes once a second at most, while ticks may come every few milliseconds:
  // the last one made is reused for the same calendar second and format. Its text is the same
  // as a fresh one, so the calls stay independent of each other.
  bool timeKnown_ = false;
  CivilDateTime timeMoment_;
  std::u16string timeFormat_;
  std::u16string timeText_;
  bool clockOnly_ = false;
};

}  // namespace lartsen
