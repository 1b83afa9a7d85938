// Memory port over Kernel32 and the shell's size text.
#include "platform/win32/memory_win32.h"

#include <windows.h>
#include <shlwapi.h>

#include <cmath>

#include "platform/win32/last_error_win32.h"

namespace lartsen::win32 {

MemoryStatus MemoryWin32::GlobalMemoryStatus() {
  MEMORYSTATUSEX raw{};
  raw.dwLength = sizeof raw;
  // The extended call: the plain one wraps above 4 GB.
  if (!GlobalMemoryStatusEx(&raw)) throw LastError(L"GlobalMemoryStatusEx");
  MemoryStatus status;
  status.MemoryLoad = static_cast<std::int32_t>(raw.dwMemoryLoad);
  status.TotalPhys = static_cast<double>(raw.ullTotalPhys);
  status.AvailPhys = static_cast<double>(raw.ullAvailPhys);
  status.TotalPageFile = static_cast<double>(raw.ullTotalPageFile);
  status.AvailPageFile = static_cast<double>(raw.ullAvailPageFile);
  status.TotalVirtual = static_cast<double>(raw.ullTotalVirtual);
  status.AvailVirtual = static_cast<double>(raw.ullAvailVirtual);
  status.AvailExtendedVirtual = static_cast<double>(raw.ullAvailExtendedVirtual);
  return status;
}

namespace {

// A change of the user's regional settings shows in the size texts within this time.
constexpr ULONGLONG kCacheLifetimeMs = 30000;

std::u16string ShellByteSize(double bytes) {
  // The shell call takes a signed 64-bit count; a negative "used" figure (a total read while
  // the free part grew) keeps its sign in front of the size of its magnitude.
  std::u16string sign;
  if (bytes < 0) {
    sign = u"-";
    bytes = -bytes;
  }
  constexpr double kLargest = 9223372036854774784.0;  // largest double below 2^63
  const LONGLONG count =
      std::isnan(bytes) ? 0 : static_cast<LONGLONG>(bytes < kLargest ? bytes : kLargest);
  wchar_t buffer[64] = {};
  if (StrFormatByteSizeW(count, buffer, 64) == nullptr) throw LastError(L"StrFormatByteSizeW");
  const std::wstring_view text(buffer);
  return sign + std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string MemoryWin32::FormatByteSize(double bytes) {
  const ULONGLONG now = GetTickCount64();
  const LCID locale = GetUserDefaultLCID();
  if (now - cacheStartedMs_ >= kCacheLifetimeMs || locale != cacheLocale_) {
    for (CachedText& entry : cache_) entry.Valid = false;
    cacheStartedMs_ = now;
    cacheLocale_ = locale;
  }
  // Byte counts are mostly multiples of the page size, so their bits are mixed to pick a slot.
  const double key = std::isnan(bytes) ? 0 : bytes;
  const double magnitude = std::fabs(key);
  const std::uint64_t slot = magnitude < 1e18 ? static_cast<std::uint64_t>(magnitude) : 0;
  CachedText& entry = cache_[(slot * 0x9E3779B97F4A7C15ull) >> 60];
  if (!entry.Valid || entry.Bytes != key) {
    entry.Text = ShellByteSize(key);
    entry.Bytes = key;
    entry.Valid = true;
  }
  return entry.Text;
}

}  // namespace lartsen::win32
