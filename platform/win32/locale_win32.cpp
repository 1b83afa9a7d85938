// Reads the user's regional settings with GetLocaleInfoEx and formats the compound dates with
// GetDateFormatEx.
#include "platform/win32/locale_win32.h"

#include <windows.h>

#include <memory>

namespace lartsen::win32 {
namespace {

std::u16string Info(LCTYPE type) {
  wchar_t buffer[128] = {};
  const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
  if (n <= 1) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(n - 1));
}

SYSTEMTIME ToSystemTime(const CivilDateTime& c) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(c.Year);
  st.wMonth = static_cast<WORD>(c.Month);
  st.wDay = static_cast<WORD>(c.Day);
  st.wDayOfWeek = static_cast<WORD>(c.DayOfWeek);
  st.wHour = static_cast<WORD>(c.Hour);
  st.wMinute = static_cast<WORD>(c.Minute);
  st.wSecond = static_cast<WORD>(c.Second);
  return st;
}

// The platform's formatter; it may refuse years it does not support, and then the locale's
// own picture is applied portably.
std::u16string PlatformDate(const CivilDateTime& c, DWORD flags, LCTYPE pictureType,
                            const std::shared_ptr<const LocaleInfo>& names) {
  const SYSTEMTIME st = ToSystemTime(c);
  wchar_t buffer[256] = {};
  const int n =
      GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &st, nullptr, buffer, 256, nullptr);
  if (n > 0) {
    return std::u16string(reinterpret_cast<const char16_t*>(buffer),
                          static_cast<std::size_t>(n - 1));
  }
  return FormatLocalePicture(Info(pictureType), c, *names);
}

std::u16string Picture(const CivilDateTime& c, const std::u16string& picture,
                       const std::shared_ptr<const LocaleInfo>& names) {
  const SYSTEMTIME st = ToSystemTime(c);
  wchar_t buffer[256] = {};
  const int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st,
                                reinterpret_cast<const wchar_t*>(picture.c_str()), buffer, 256,
                                nullptr);
  if (n > 0) {
    return std::u16string(reinterpret_cast<const char16_t*>(buffer),
                          static_cast<std::size_t>(n - 1));
  }
  return FormatLocalePicture(picture, c, *names);
}

}  // namespace

std::u16string UserDefaultLocaleName() {
  wchar_t buffer[LOCALE_NAME_MAX_LENGTH] = {};
  if (GetUserDefaultLocaleName(buffer, LOCALE_NAME_MAX_LENGTH) <= 1) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

LocaleInfo UserDefaultLocaleInfo() {
  LocaleInfo l;
  l.Name = UserDefaultLocaleName();
  // The platform counts days from Monday (SDAYNAME1); the record counts from Sunday.
  for (int i = 0; i < 7; ++i) {
    const int platformIndex = (i + 6) % 7;
    l.DayNames[i] = Info(LOCALE_SDAYNAME1 + platformIndex);
    l.AbbreviatedDayNames[i] = Info(LOCALE_SABBREVDAYNAME1 + platformIndex);
  }
  for (int i = 0; i < 12; ++i) {
    l.MonthNames[i] = Info(LOCALE_SMONTHNAME1 + i);
    l.AbbreviatedMonthNames[i] = Info(LOCALE_SABBREVMONTHNAME1 + i);
    l.GenitiveMonthNames[i] = Info((LOCALE_SMONTHNAME1 + i) | LOCALE_RETURN_GENITIVE_NAMES);
  }
  l.DateSeparator = Info(LOCALE_SDATE);
  l.TimeSeparator = Info(LOCALE_STIME);
  l.AmDesignator = Info(LOCALE_S1159);
  l.PmDesignator = Info(LOCALE_S2359);
  l.DecimalSeparator = Info(LOCALE_SDECIMAL);
  // A copy of the names for the portable fallback of the compound forms.
  auto names = std::make_shared<const LocaleInfo>(l);
  l.ShortDate = [names](const CivilDateTime& c) {
    return PlatformDate(c, DATE_SHORTDATE, LOCALE_SSHORTDATE, names);
  };
  l.LongDate = [names](const CivilDateTime& c) {
    return PlatformDate(c, DATE_LONGDATE, LOCALE_SLONGDATE, names);
  };
  l.MediumDate = [names](const CivilDateTime& c) { return Picture(c, u"dd-MMM-yy", names); };
  // A time picture has no grammar to keep, so the locale's own picture is applied portably:
  // the stamp formats the long time on every tick and the platform's formatter costs more.
  l.LongTime = [names, picture = Info(LOCALE_STIMEFORMAT)](const CivilDateTime& c) {
    return FormatLocalePicture(picture, c, *names);
  };
  return l;
}

}  // namespace lartsen::win32
