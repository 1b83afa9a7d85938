// Reads the local time with GetLocalTime and turns it into an OLE date.
#include "platform/win32/clock_win32.h"

#include <windows.h>

#include "support/ole_date.h"

namespace lartsen::win32 {

double LocalClock::Now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  const double moment = CivilToOleDate(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
                                       st.wSecond);
  // Milliseconds keep the moment exact; formatting rounds to the second. The clock never runs
  // before 1899, so the fraction adds.
  return moment + st.wMilliseconds / 86400000.0;
}

}  // namespace lartsen::win32
