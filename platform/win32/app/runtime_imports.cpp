// GetTickCount64 for the toolchain's thread library, which imports it directly: supplied here so
// that the loader of Windows XP, which lacks it, finds no missing import.
#include <windows.h>

#include <atomic>

namespace {

using TickCount64Function = ULONGLONG(WINAPI*)();

// The last 64-bit count handed out on hosts without the call. The one piece of process-wide
// state in the program: the 32-bit count's wraps cannot be counted without it. It is written
// only by this function, from any thread, with a compare-and-swap.
constinit std::atomic<ULONGLONG> lastWidenedCount{0};

// The host's own GetTickCount64 where it has one (Vista and later). Otherwise GetTickCount,
// widened: a reading below the last one means the 32-bit count has wrapped (every 49.7 days),
// which holds as long as something reads the count at least once a wrap.
ULONGLONG WINAPI TickCount64() {
  // No function-local static: the thread library may call this while it sets one up.
  const auto native = reinterpret_cast<TickCount64Function>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
  if (native) return native();
  ULONGLONG seen = lastWidenedCount.load();
  for (;;) {
    ULONGLONG next = (seen & ~ULONGLONG{0xFFFFFFFF}) | GetTickCount();
    if (next < seen) next += ULONGLONG{1} << 32;
    if (lastWidenedCount.compare_exchange_weak(seen, next)) return next;
  }
}

}  // namespace

// The import slot the thread library's calls go through, under the name the import library
// would give it; an object file is linked before any library, so this definition wins.
extern "C" {
#ifdef _WIN64
TickCount64Function lartsenTickCount64Import __asm__("__imp_GetTickCount64") = &TickCount64;
#else
TickCount64Function lartsenTickCount64Import __asm__("__imp__GetTickCount64@0") = &TickCount64;
#endif
}
