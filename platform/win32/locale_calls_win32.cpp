// The locale calls of the user's default locale, by name where the host has the named-locale
// calls and by locale number where it does not.
#include "platform/win32/locale_calls_win32.h"

#include <cwchar>
#include <optional>

#include "platform/win32/owned_win32.h"

namespace lartsen::win32 {
namespace {

template <typename Function>
Function Entry(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

std::u16string Text(const wchar_t* buffer, int lengthWithNul) {
  if (lengthWithNul <= 1) return {};
  return std::u16string(buffer, buffer + lengthWithNul - 1);
}

// The settings of the regional settings' own pages, under their registry names.
const wchar_t* UserSettingName(LCTYPE type) {
  switch (type) {
    case LOCALE_STIMEFORMAT: return L"sTimeFormat";
    case LOCALE_SSHORTDATE: return L"sShortDate";
    case LOCALE_SLONGDATE: return L"sLongDate";
    case LOCALE_SDATE: return L"sDate";
    case LOCALE_STIME: return L"sTime";
    case LOCALE_S1159: return L"s1159";
    case LOCALE_S2359: return L"s2359";
    case LOCALE_SDECIMAL: return L"sDecimal";
    default: return nullptr;
  }
}

std::optional<std::wstring> ReadText(HKEY key, const wchar_t* name) {
  wchar_t data[128] = {};
  DWORD type = 0;
  DWORD size = sizeof data - sizeof(wchar_t);  // room for a terminator the value may lack
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  return std::wstring(data, wcsnlen(data, size / sizeof(wchar_t)));
}

// The user's choice for `type`, when the key holds one and belongs to the user's locale (its
// "Locale" value is the locale number in hexadecimal).
std::optional<std::wstring> UserSetting(LCTYPE type) {
  const wchar_t* name = UserSettingName(type);
  if (!name) return std::nullopt;
  RegistryKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_QUERY_VALUE,
                    key.receive()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::optional<std::wstring> locale = ReadText(key.get(), L"Locale");
  if (!locale || std::wcstoul(locale->c_str(), nullptr, 16) != GetUserDefaultLCID()) {
    return std::nullopt;
  }
  return ReadText(key.get(), name);
}

}  // namespace

const LocaleCalls& LocaleCalls::Host() {
  static const LocaleCalls calls = [] {
    LocaleCalls found;
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    found.compareStringEx_ = Entry<CompareStringExFunction>(kernel, "CompareStringEx");
    found.getLocaleInfoEx_ = Entry<GetLocaleInfoExFunction>(kernel, "GetLocaleInfoEx");
    found.getDateFormatEx_ = Entry<GetDateFormatExFunction>(kernel, "GetDateFormatEx");
    found.getUserDefaultLocaleName_ =
        Entry<GetUserDefaultLocaleNameFunction>(kernel, "GetUserDefaultLocaleName");
    return found;
  }();
  return calls;
}

const LocaleCalls& LocaleCalls::XpEra() {
  static const LocaleCalls none;
  return none;
}

// The named calls take a null name (LOCALE_NAME_USER_DEFAULT) for the user's default locale.
int LocaleCalls::ReadLocaleInfo(LCTYPE type, wchar_t* buffer, int size) const {
  if (const auto chosen = UserSetting(type)) {
    if (size <= 0 || static_cast<int>(chosen->size()) >= size) return 0;
    chosen->copy(buffer, chosen->size());
    buffer[chosen->size()] = L'\0';
    return static_cast<int>(chosen->size()) + 1;
  }
  if (getLocaleInfoEx_) return getLocaleInfoEx_(nullptr, type, buffer, size);
  return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, size);
}

int LocaleCalls::FormatDate(DWORD flags, const SYSTEMTIME& date, const wchar_t* picture,
                               wchar_t* buffer, int size) const {
  if (getDateFormatEx_) return getDateFormatEx_(nullptr, flags, &date, picture, buffer, size, nullptr);
  return ::GetDateFormatW(LOCALE_USER_DEFAULT, flags, &date, picture, buffer, size);
}

int LocaleCalls::CompareText(DWORD flags, const wchar_t* a, int aLength, const wchar_t* b,
                               int bLength) const {
  if (compareStringEx_) {
    return compareStringEx_(nullptr, flags, a, aLength, b, bLength, nullptr, nullptr, 0);
  }
  return ::CompareStringW(LOCALE_USER_DEFAULT, flags, a, aLength, b, bLength);
}

std::u16string LocaleCalls::UserDefaultLocaleName() const {
  if (getUserDefaultLocaleName_) {
    wchar_t name[85] = {};  // LOCALE_NAME_MAX_LENGTH
    return Text(name, getUserDefaultLocaleName_(name, 85));
  }
  wchar_t language[16] = {};
  wchar_t country[16] = {};
  const std::u16string lang =
      Text(language, ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, language, 16));
  const std::u16string land =
      Text(country, ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO3166CTRYNAME, country, 16));
  if (lang.empty()) return {};
  return land.empty() ? lang : lang + u"-" + land;
}

}  // namespace lartsen::win32
