// The locale calls of the user's default locale: the named-locale calls of newer hosts where
// they exist, the calls by locale number that Windows XP has otherwise.
#pragma once

#include <windows.h>

#include <string>

namespace lartsen::win32 {

// The named-locale entries of Kernel32 (Vista and later) are looked up by name, so that the
// program starts on hosts that lack them; a null entry means the XP-era call is used instead.
class LocaleCalls {
 public:
  using CompareStringExFunction = int(WINAPI*)(LPCWSTR, DWORD, LPCWSTR, int, LPCWSTR, int, void*,
                                               void*, LPARAM);
  using GetLocaleInfoExFunction = int(WINAPI*)(LPCWSTR, LCTYPE, LPWSTR, int);
  using GetDateFormatExFunction = int(WINAPI*)(LPCWSTR, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR,
                                               int, LPCWSTR);
  using GetUserDefaultLocaleNameFunction = int(WINAPI*)(LPWSTR, int);

  // The entries this host has, looked up at the first use.
  static const LocaleCalls& Host();
  // None of them: the routes of hosts before Vista, for tests on newer hosts.
  static const LocaleCalls& XpEra();

  // The calls below work on the user's default locale and answer as the platform calls do.
  // A setting the user may change in the regional settings (the time and date pictures,
  // separators, designators) is read where the system keeps the user's choice, the key
  // "Control Panel\International" of the user's registry, while that key describes the
  // user's locale: some platforms keep their first reading of it for the life of a process, and
  // a resident program must see a change made while it runs.
  int ReadLocaleInfo(LCTYPE type, wchar_t* buffer, int size) const;
  int FormatDate(DWORD flags, const SYSTEMTIME& date, const wchar_t* picture, wchar_t* buffer,
                    int size) const;
  int CompareText(DWORD flags, const wchar_t* a, int aLength, const wchar_t* b,
                    int bLength) const;
  // "ru-RU"; before Vista made of the ISO language and country names. Empty when unknown.
  std::u16string UserDefaultLocaleName() const;

  bool HasNamedLocales() const { return getLocaleInfoEx_ != nullptr; }

 private:
  CompareStringExFunction compareStringEx_ = nullptr;
  GetLocaleInfoExFunction getLocaleInfoEx_ = nullptr;
  GetDateFormatExFunction getDateFormatEx_ = nullptr;
  GetUserDefaultLocaleNameFunction getUserDefaultLocaleName_ = nullptr;
};

}  // namespace lartsen::win32
