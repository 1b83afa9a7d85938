// Reads the user's regional settings and formats the compound dates with the platform's date
// formatter; the record is read again when the settings change.
#include "platform/win32/locale_win32.h"

#include <windows.h>

#include <memory>

namespace lartsen::win32 {
namespace {

#ifndef LOCALE_RETURN_GENITIVE_NAMES
#define LOCALE_RETURN_GENITIVE_NAMES 0x10000000
#endif

std::u16string Info(const LocaleCalls& calls, LCTYPE type) {
  wchar_t buffer[128] = {};
  const int n = calls.ReadLocaleInfo(type, buffer, 128);
  if (n <= 1) return {};
  return std::u16string(buffer, buffer + n - 1);
}

SYSTEMTIME ToSystemTime(const CivilDateTime& c) {
  const auto word = [](int field) { return static_cast<WORD>(field); };
  return SYSTEMTIME{.wYear = word(c.Year), .wMonth = word(c.Month), .wDayOfWeek = word(c.DayOfWeek),
                    .wDay = word(c.Day), .wHour = word(c.Hour), .wMinute = word(c.Minute),
                    .wSecond = word(c.Second), .wMilliseconds = 0};
}

// The platform's formatter with a picture (null: the locale's own form chosen by `flags`); it
// may refuse years it does not support (or an empty picture), and then `fallback` is applied
// portably.
std::u16string PlatformDate(const LocaleCalls& calls, const CivilDateTime& c, DWORD flags,
                            const std::u16string* picture, const std::u16string& fallback,
                            const LocaleInfo& names) {
  wchar_t buffer[256] = {};
  const wchar_t* wide = picture ? reinterpret_cast<const wchar_t*>(picture->c_str()) : nullptr;
  const int n = calls.FormatDate(flags, ToSystemTime(c), wide, buffer, 256);
  if (n > 0) return std::u16string(buffer, buffer + n - 1);
  return FormatLocalePicture(fallback, c, names);
}

}  // namespace

std::u16string UserDefaultLocaleName() { return LocaleCalls::Host().UserDefaultLocaleName(); }

LocaleInfo UserDefaultLocaleInfo(const LocaleCalls& calls) {
  LocaleInfo l;
  l.Name = calls.UserDefaultLocaleName();
  // The platform counts days from Monday (SDAYNAME1); the record counts from Sunday.
  for (int i = 0; i < 7; ++i) {
    const int platformIndex = (i + 6) % 7;
    l.DayNames[i] = Info(calls, LOCALE_SDAYNAME1 + platformIndex);
    l.AbbreviatedDayNames[i] = Info(calls, LOCALE_SABBREVDAYNAME1 + platformIndex);
  }
  for (int i = 0; i < 12; ++i) {
    l.MonthNames[i] = Info(calls, LOCALE_SMONTHNAME1 + i);
    l.AbbreviatedMonthNames[i] = Info(calls, LOCALE_SABBREVMONTHNAME1 + i);
    // Hosts before Windows 7 know no genitive names; the nominative then stands in.
    l.GenitiveMonthNames[i] = Info(calls, (LOCALE_SMONTHNAME1 + i) | LOCALE_RETURN_GENITIVE_NAMES);
  }
  l.DateSeparator = Info(calls, LOCALE_SDATE);
  l.TimeSeparator = Info(calls, LOCALE_STIME);
  l.AmDesignator = Info(calls, LOCALE_S1159);
  l.PmDesignator = Info(calls, LOCALE_S2359);
  l.DecimalSeparator = Info(calls, LOCALE_SDECIMAL);
  // A copy of the names for the portable fallback of the compound forms.
  auto names = std::make_shared<const LocaleInfo>(l);
  const LocaleCalls* route = &calls;  // the route objects live for the whole run
  // The pictures are given to the formatter as read here, so that it cannot fall back on an
  // older reading of its own.
  l.ShortDate = [route, names, picture = Info(calls, LOCALE_SSHORTDATE)](const CivilDateTime& c) {
    return PlatformDate(*route, c, 0, &picture, picture, *names);
  };
  l.LongDate = [route, names, picture = Info(calls, LOCALE_SLONGDATE)](const CivilDateTime& c) {
    return PlatformDate(*route, c, 0, &picture, picture, *names);
  };
  l.MediumDate = [route, names](const CivilDateTime& c) {
    static const std::u16string kMedium = u"dd-MMM-yy";
    return PlatformDate(*route, c, 0, &kMedium, kMedium, *names);
  };
  // A time picture has no grammar to keep, so the locale's own picture is applied portably:
  // the stamp formats the long time on every tick and the platform's formatter costs more.
  l.LongTime = [names, picture = Info(calls, LOCALE_STIMEFORMAT)](const CivilDateTime& c) {
    return FormatLocalePicture(picture, c, *names);
  };
  return l;
}

UserLocale::UserLocale(const LocaleCalls& calls)
    : calls_(calls), record_(UserDefaultLocaleInfo(calls)), settings_(SettingsText()),
      readAtMs_(GetTickCount()), checkedAtMs_(readAtMs_) {
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_NOTIFY,
                    key_.receive()) != ERROR_SUCCESS) {
    return;
  }
  changed_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  Watch();
}

void UserLocale::Watch() {
  if (!changed_) return;
  ResetEvent(changed_.get());
  if (RegNotifyChangeKeyValue(key_.get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed_.get(),
                              TRUE) != ERROR_SUCCESS) {
    changed_.reset();
  }
}

std::u16string UserLocale::SettingsText() const {
  // Everything the record is made of, pictures included, one value a line.
  static constexpr LCTYPE kTypes[] = {
      LOCALE_SDATE, LOCALE_STIME, LOCALE_S1159, LOCALE_S2359, LOCALE_SDECIMAL, LOCALE_SSHORTDATE,
      LOCALE_SLONGDATE, LOCALE_STIMEFORMAT, LOCALE_SDAYNAME1, LOCALE_SABBREVDAYNAME1,
      LOCALE_SMONTHNAME1, LOCALE_SABBREVMONTHNAME1};
  std::u16string text = calls_.UserDefaultLocaleName();
  for (const LCTYPE type : kTypes) {
    text += u'\n';
    text += Info(calls_, type);
  }
  return text;
}

bool UserLocale::Reread() {
  readAtMs_ = GetTickCount();
  std::u16string settings = SettingsText();
  if (settings == settings_) return false;
  record_ = UserDefaultLocaleInfo(calls_);
  settings_ = std::move(settings);
  return true;
}

bool UserLocale::RereadWhenChanged(unsigned long milliseconds) {
  // Unsigned differences stay right across the wrap of the 32-bit tick count (49.7 days).
  const DWORD now = GetTickCount();
  if (changed_) {
    // Asking the event costs more than a tick may spend on some platforms: a few times a second.
    if (static_cast<DWORD>(now - checkedAtMs_) < kWatchCheckMs) return false;
    checkedAtMs_ = now;
    if (WaitForSingleObject(changed_.get(), 0) != WAIT_OBJECT_0) return false;
    Watch();  // before reading, so that a change made meanwhile is not missed
    return Reread();
  }
  if (static_cast<DWORD>(now - readAtMs_) < milliseconds) return false;
  return Reread();
}

}  // namespace lartsen::win32
