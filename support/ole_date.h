// OLE dates (days since 30 December 1899) and their calendar dates and times.
#pragma once

namespace lartsen {

// A calendar moment, to the second.
struct CivilDateTime {
  int Year = 1899;   // 100..9999
  int Month = 12;    // 1..12
  int Day = 30;      // 1..31
  int Hour = 0;      // 0..23
  int Minute = 0;    // 0..59
  int Second = 0;    // 0..59
  int DayOfWeek = 6; // 0 Sunday .. 6 Saturday
  int DayOfYear = 364; // 1..366

  friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

inline constexpr double kMinOleDate = -657434.0;           // 1 January 100 00:00
inline constexpr double kMaxOleDate = 2958465.999988426;   // 31 December 9999 23:59:59

// True when the moment lies in the valid range of the notation (1 January 100 to 31 December 9999):
// its day, the integer part cut toward zero, runs from -657434 to 2958465.
bool IsValidOleDate(double moment);
// The calendar moment, the time of day rounded to the nearest second. Throws Error (overflow)
// when the moment is out of range.
CivilDateTime OleDateToCivil(double moment);
// The OLE date of a calendar moment. Throws Error (invalid argument) for a date that does not exist.
double CivilToOleDate(int year, int month, int day, int hour, int minute, int second);

}  // namespace lartsen
