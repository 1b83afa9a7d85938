// Conversions between OLE dates and calendar moments over the years 100 to 9999.
#include "support/ole_date.h"

#include "support/error.h"

namespace lartsen {
namespace {

// Day 0 of the OLE calendar, 30 December 1899, counted from 1 January 1970.
constexpr long kOleEpochFromUnix = -25569;
constexpr long kMinDay = -657434;  // 1 January 100
constexpr long kMaxDay = 2958465;  // 31 December 9999

// Days since 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long>(yoe) + era * 400 + (month <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

bool IsValidOleDate(double moment) {
  // The day is cut toward zero, so everything strictly between -657435 and 2958466 has a valid day.
  return moment > static_cast<double>(kMinDay - 1) && moment < static_cast<double>(kMaxDay + 1);
}

CivilDateTime OleDateToCivil(double moment) {
  if (!IsValidOleDate(moment)) {  // NaN fails here too
    throw Error(status::kOverflow,
                UiText::MomentOutOfRange);
  }
  // Plain conversions cut toward zero; they are much cheaper than the library calls on some hosts.
  long day = static_cast<long>(moment);
  const double fraction = moment - static_cast<double>(day);
  long seconds = static_cast<long>((fraction < 0 ? -fraction : fraction) * 86400.0 + 0.5);
  if (seconds >= 86400) {
    // Rounding reached midnight: the moment belongs to the next calendar day. On the last
    // valid day there is none, so the time stays at the last second.
    if (day == kMaxDay) {
      seconds = 86399;
    } else {
      seconds = 0;
      // The calendar day after OLE day d is d + 1 also for negative days (-1.999... is
      // 29 December 1899 23:59:59.9, and the next day is day 0).
      ++day;
    }
  }
  CivilDateTime c;
  CivilFromDays(day + kOleEpochFromUnix, c.Year, c.Month, c.Day);
  c.Hour = static_cast<int>(seconds / 3600);
  c.Minute = static_cast<int>(seconds / 60 % 60);
  c.Second = static_cast<int>(seconds % 60);
  // 30 December 1899 was a Saturday.
  c.DayOfWeek = static_cast<int>(((day % 7) + 7 + 6) % 7);
  c.DayOfYear = static_cast<int>(day + kOleEpochFromUnix - DaysFromCivil(c.Year, 1, 1) + 1);
  return c;
}

double CivilToOleDate(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59) {
    throw Error(status::kInvalidArgument, UiText::NoSuchDateOrTime);
  }
  const long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                    kOleEpochFromUnix;
  const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
  // Before day 0 the time of day is carried as the absolute value of the fraction.
  return days < 0 ? static_cast<double>(days) - time : static_cast<double>(days) + time;
}

}  // namespace lartsen
