// The host tests answered from the host's real Windows version.
#include "platform/win32/host_win32.h"

#include <windows.h>

namespace lartsen::win32 {

namespace {
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
}  // namespace

HostVersion ReadHostVersion() {
  // GetVersionEx answers what the manifest or a compatibility shim asks it to; the kernel's
  // own entry point does not.
  if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
    auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion && rtlGetVersion(&info) >= 0) {
      return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, info.dwMajorVersion, info.dwMinorVersion};
    }
  }
  const DWORD packed = GetVersion();  // low byte major, next byte minor, top bit set on 9x
  return {(packed & 0x80000000u) == 0, LOBYTE(LOWORD(packed)), HIBYTE(LOWORD(packed))};
}

HostWin32::HostWin32(HostVersion version) : version_(version) {}

bool HostWin32::IsHostWin9x() { return !version_.nt; }
bool HostWin32::IsHostWinNT() { return version_.nt; }
bool HostWin32::IsHostWin95() { return !version_.nt && version_.major == 4 && version_.minor == 0; }
bool HostWin32::IsHostWinNT40() { return version_.nt && version_.major == 4 && version_.minor == 0; }
bool HostWin32::IsHostWinNT351() { return version_.nt && version_.major == 3 && version_.minor == 51; }

}  // namespace lartsen::win32
