// Memory port over Kernel32 and the shell's size text.
#include "platform/win32/memory_win32.h"

#include <windows.h>

#include <string_view>

#include "platform/win32/last_error_win32.h"
#include "platform/win32/locale_calls_win32.h"
#include "platform/win32/system_library.h"

namespace lartsen::win32 {

MemoryStatus MemoryWin32::GlobalMemoryStatus() {
  RefreshWordsIfStale();
  MEMORYSTATUSEX raw{};
  raw.dwLength = sizeof raw;
  // The extended call: the plain one wraps above 4 GB.
  if (!GlobalMemoryStatusEx(&raw)) throw LastError(L"GlobalMemoryStatusEx");
  const auto bytes = [](DWORDLONG count) { return static_cast<double>(count); };
  return MemoryStatus{.MemoryLoad = static_cast<std::int32_t>(raw.dwMemoryLoad),
                      .TotalPhys = bytes(raw.ullTotalPhys), .AvailPhys = bytes(raw.ullAvailPhys),
                      .TotalPageFile = bytes(raw.ullTotalPageFile),
                      .AvailPageFile = bytes(raw.ullAvailPageFile),
                      .TotalVirtual = bytes(raw.ullTotalVirtual), .AvailVirtual = bytes(raw.ullAvailVirtual),
                      .AvailExtendedVirtual = bytes(raw.ullAvailExtendedVirtual)};
}

namespace {

// The unit word of a shell size text: what follows its last digit ("100 bytes" -> " bytes").
std::u16string WordAfterNumber(const wchar_t* text) {
  const std::wstring_view view(text);
  const std::size_t lastDigit = view.find_last_of(L"0123456789");
  if (lastDigit == std::wstring_view::npos || lastDigit + 1 == view.size()) return {};
  return std::u16string(view.begin() + static_cast<std::ptrdiff_t>(lastDigit) + 1, view.end());
}

}  // namespace

void MemoryWin32::ReadWords(unsigned long locale) {
  // One count well inside each unit: 100 bytes, then one and a half of each larger unit.
  units_ = EnglishByteSizeUnits();
  using FormatByteSizeFunction = PWSTR(WINAPI*)(LONGLONG, PWSTR, UINT);
  static const auto formatByteSize =
      SystemFunction<FormatByteSizeFunction>(LoadSystemLibrary(L"shlwapi.dll"), "StrFormatByteSizeW");
  for (std::size_t unit = 0; unit < units_.size(); ++unit) {
    const LONGLONG sample = unit == 0 ? 100 : (LONGLONG{3} << (10 * unit - 1));
    wchar_t text[64] = {};
    if (!formatByteSize || formatByteSize(sample, text, 64) == nullptr) continue;  // the English word stays
    std::u16string word = WordAfterNumber(text);
    if (!word.empty()) units_[unit] = std::move(word);
  }
  wchar_t separator[8] = {};
  // The user's own separator, read as the locale record reads it (see LocaleCalls).
  const int length = LocaleCalls::Host().ReadLocaleInfo(LOCALE_SDECIMAL, separator, 8);
  decimalSeparator_ = length > 1 ? std::u16string(separator, separator + length - 1) : u".";
  wordsLocale_ = locale;
}

void MemoryWin32::RefreshWordsIfStale() {
  const std::uint32_t now = GetTickCount();
  const LCID locale = GetUserDefaultLCID();
  if (wordsReadAtMs_ == 0 || now - wordsReadAtMs_ >= kWordsLifetimeMs || locale != wordsLocale_) {
    ReadWords(locale);
    wordsReadAtMs_ = now == 0 ? 1 : now;
  }
}

std::u16string MemoryWin32::FormatByteSize(double bytes) {
  // The words' age is checked with each memory reading, which comes before the ten size texts
  // of an expansion; here only when there are none yet.
  if (wordsReadAtMs_ == 0) RefreshWordsIfStale();
  std::u16string text;
  AppendByteSizeText(text, bytes, decimalSeparator_, units_);
  return text;
}

}  // namespace lartsen::win32
