// Template expansion against the plain platform composition of the same result (VarFormat,
// VarBstrFromR8, 23 case-insensitive replace passes, ten StrFormatByteSizeW calls), timed with
// QueryPerformanceCounter. Prints the figures; fails only when ours is not faster at all.
#include <windows.h>
#include <oleauto.h>
#include <shlwapi.h>

#include <array>
#include <cstdio>
#include <string>

#include "platform/win32/clock_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/memory_win32.h"
#include "platform/win32/win_text.h"
#include "settings/settings.h"
#include "template/time_format.h"
#include "template/testing/placeholder_names.h"
#include "template/title_format.h"

namespace {

// The template's placeholders in the platform's wide text.
const std::array<std::wstring, 23> kNames = [] {
  std::array<std::wstring, 23> names;
  for (size_t i = 0; i < names.size(); ++i) names[i] = lartsen::win32::Wide(lartsen::testing::kPlaceholderNames[i]);
  return names;
}();

std::wstring FromBstr(BSTR b) {
  std::wstring s(b, SysStringLen(b));
  SysFreeString(b);
  return s;
}

void ReplaceAllNoCase(std::wstring& text, const wchar_t* name, const std::wstring& value) {
  const size_t length = wcslen(name);
  size_t from = 0;
  for (;;) {
    const wchar_t* hit = StrStrIW(text.c_str() + from, name);
    if (hit == nullptr) return;
    const size_t at = static_cast<size_t>(hit - text.c_str());
    text.replace(at, length, value);
    from = at + value.size();
  }
}

// The same expansion written the plain way over the platform's functions.
std::wstring PlatformExpand(const std::wstring& pattern, const std::wstring& format) {
  SYSTEMTIME st;
  GetLocalTime(&st);
  VARIANT moment;
  VariantInit(&moment);
  moment.vt = VT_DATE;
  SystemTimeToVariantTime(&st, &moment.date);
  BSTR formatText = SysAllocString(format.c_str());
  BSTR timeText = nullptr;
  VarFormat(&moment, formatText, 1, 1, 0, &timeText);
  SysFreeString(formatText);
  std::array<std::wstring, 23> values;
  values[0] = timeText ? FromBstr(timeText) : L"";
  MEMORYSTATUSEX m{};
  m.dwLength = sizeof m;
  GlobalMemoryStatusEx(&m);
  values[1] = std::to_wstring(m.dwMemoryLoad);
  values[2] = std::to_wstring(100 - m.dwMemoryLoad);
  const double f[10] = {double(m.ullAvailPhys),     double(m.ullTotalPhys) - double(m.ullAvailPhys),
                        double(m.ullTotalPhys),     double(m.ullAvailPageFile),
                        double(m.ullTotalPageFile) - double(m.ullAvailPageFile),
                        double(m.ullTotalPageFile), double(m.ullAvailVirtual),
                        double(m.ullTotalVirtual) - double(m.ullAvailVirtual),
                        double(m.ullAvailExtendedVirtual), double(m.ullTotalVirtual)};
  for (int i = 0; i < 10; ++i) {
    BSTR number = nullptr;
    VarBstrFromR8(f[i], LOCALE_USER_DEFAULT, 0, &number);
    values[3 + i] = number ? FromBstr(number) : L"";
  }
  for (int i = 0; i < 10; ++i) {
    wchar_t size[64];
    StrFormatByteSizeW(static_cast<LONGLONG>(f[i]), size, 64);
    values[13 + i] = size;
  }
  std::wstring text = pattern;
  for (size_t i = 0; i < kNames.size(); ++i) ReplaceAllNoCase(text, kNames[i].c_str(), values[i]);
  return text;
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(b.QuadPart - a.QuadPart) / double(frequency.QuadPart);
}

template <typename F>
double MicrosecondsPerCall(int calls, F f) {
  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  for (int i = 0; i < calls; ++i) f();
  QueryPerformanceCounter(&b);
  return Seconds(a, b) * 1e6 / calls;
}

}  // namespace

int main() {
  const lartsen::LocaleInfo locale = lartsen::win32::UserDefaultLocaleInfo();
  lartsen::win32::LocalClock clock;
  lartsen::win32::MemoryWin32 memory;
  lartsen::Settings settings{u"ttttt", u"", 1000};
  lartsen::TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, locale, clock, memory);

  {
    size_t sink = 0;
    std::printf("parts: memory status %.2f us, ten size texts %.2f us, clock %.2f us, long time %.2f us\n",
        MicrosecondsPerCall(2000, [&] { sink += size_t(memory.GlobalMemoryStatus().MemoryLoad); }),
        MicrosecondsPerCall(2000, [&] { for (int i = 0; i < 10; ++i) sink += memory.FormatByteSize(1e9 + i).size(); }),
        MicrosecondsPerCall(2000, [&] { sink += size_t(clock.Now()); }),
        MicrosecondsPerCall(2000, [&] { sink += lartsen::FormatDateTime(45000.5, u"ttttt", locale).size(); }));
    // What a tick spends to notice changed regional settings (the watch), what a notice costs
    // (the settings compared), and a rebuild of the record (the cost of a real change).
    lartsen::win32::UserLocale regional;
    std::printf("regional settings: checked %.2f us (watched: %d), compared %.2f us, record rebuilt %.2f us\n",
        MicrosecondsPerCall(2000, [&] { sink += regional.RereadWhenChanged(3000) ? 1 : 0; }),
        regional.Watching() ? 1 : 0,
        MicrosecondsPerCall(200, [&] { sink += regional.Reread() ? 1 : 0; }),
        MicrosecondsPerCall(200, [&] { sink += lartsen::win32::UserDefaultLocaleInfo().Name.size(); }));
  }
  std::wstring all;
  for (const std::wstring& name : kNames) all += name + L" ";
  const std::array<std::wstring, 2> patterns = {L"[%time%]", all};
  const int calls = 3000;
  bool faster = true;
  for (const std::wstring& pattern : patterns) {
    const std::u16string ours(pattern.begin(), pattern.end());
    size_t sink = 0;
    // Warm both up once, so first-use costs of the platform's caches are not counted.
    sink += formatter.FormatTitle(ours, std::nullopt, std::nullopt).size();
    sink += PlatformExpand(pattern, L"ttttt").size();
    const double ourTime = MicrosecondsPerCall(calls, [&] {
      sink += formatter.FormatTitle(ours, std::nullopt, std::nullopt).size();
    });
    const double platformTime =
        MicrosecondsPerCall(calls, [&] { sink += PlatformExpand(pattern, L"ttttt").size(); });
    std::printf("%-12s FormatTitle %8.2f us/call, platform composition %8.2f us/call, %.1fx (%zu)\n",
                pattern.size() < 12 ? "[%time%]" : "23 names", ourTime, platformTime,
                platformTime / ourTime, sink % 10);
    if (!(ourTime < platformTime)) faster = false;
  }
  return faster ? 0 : 1;
}
