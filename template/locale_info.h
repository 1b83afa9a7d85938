// The regional data that the date and time format notation needs, as a plain record.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "support/ole_date.h"

namespace lartsen {

struct LocaleInfo {
  std::u16string Name;                                // "en-US"
  std::array<std::u16string, 7> DayNames;             // Sunday first
  std::array<std::u16string, 7> AbbreviatedDayNames;  // Sunday first
  std::array<std::u16string, 12> MonthNames;          // nominative ("январь")
  std::array<std::u16string, 12> AbbreviatedMonthNames;
  // Month names as a day number governs them ("января"); empty entries fall back to MonthNames.
  std::array<std::u16string, 12> GenitiveMonthNames;
  std::u16string DateSeparator;     // "/" en-US, "." ru-RU
  std::u16string TimeSeparator;     // ":"
  std::u16string AmDesignator;      // "AM" (may be empty on a 24-hour locale)
  std::u16string PmDesignator;      // "PM"
  std::u16string DecimalSeparator;  // "." en-US, "," ru-RU: number text of the memory figures
  // The locale's compound forms. Built-in records compose them portably; on Windows they are
  // filled with the platform's own date and time formatter, so its grammar (genitive month
  // names in Russian long dates) is kept.
  std::function<std::u16string(const CivilDateTime&)> ShortDate;   // ddddd
  std::function<std::u16string(const CivilDateTime&)> LongDate;    // dddddd
  std::function<std::u16string(const CivilDateTime&)> MediumDate;  // "Medium Date"
  std::function<std::u16string(const CivilDateTime&)> LongTime;    // ttttt
};

// Formats a moment with a Windows date or time picture ("dd.MM.yyyy", "d MMMM yyyy 'г.'",
// "h:mm:ss tt"): d dd ddd dddd, M MM MMM MMMM (genitive when the picture holds a day number),
// y yy yyyy, h hh H HH, m mm, s ss, t tt, 'quoted text'. Other characters stand for themselves.
std::u16string FormatLocalePicture(std::u16string_view picture, const CivilDateTime& moment,
                                   const LocaleInfo& locale);

// Built-in records for "en-US", "ru-RU" and "de-DE"; throws std::invalid_argument otherwise.
const LocaleInfo& BuiltinLocale(std::string_view name);

}  // namespace lartsen
