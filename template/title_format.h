// Expansion of the title template: the time and the memory placeholders.
#pragma once

#include <optional>
#include <string>

#include "settings/settings.h"
#include "support/clock_port.h"
#include "support/memory_port.h"
#include "template/locale_info.h"

namespace lartsen {

class TitleFormatter {
 public:
  // `settings` is read (never written) whenever an argument of FormatTitle is Null.
  TitleFormatter(const Settings& settings, const LocaleInfo& locale, ClockPort& clock,
                 MemoryPort& memory);

  // Null arguments (std::nullopt) stand for the stored template, the current time and the
  // stored time format. Throws Error on a failing time format, memory read or size text.
  std::u16string FormatTitle(const std::optional<std::u16string>& PatternText,
                             std::optional<double> TimeValue,
                             const std::optional<std::u16string>& TimeFormatText);

 private:
  const Settings& settings_;
  const LocaleInfo& locale_;
  ClockPort& clock_;
  MemoryPort& memory_;
};

}  // namespace lartsen
