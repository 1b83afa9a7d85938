// Reads the local time with GetLocalTime and turns it into an OLE date of its whole second.
#include "platform/win32/clock_win32.h"

#include <windows.h>

#include "support/ole_date.h"

namespace lartsen::win32 {

double LocalClock::Now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  // The milliseconds are dropped: formatting rounds to the nearest second, and the shown
  // second must never be the next one.
  return CivilToOleDate(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

std::int32_t LocalClock::MillisecondsOfDay() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return ((st.wHour * 60 + st.wMinute) * 60 + st.wSecond) * 1000 + st.wMilliseconds;
}

}  // namespace lartsen::win32
