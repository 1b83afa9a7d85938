// Placeholder unit so the adapter library is never empty.
#include <windows.h>

namespace lartsen::win32 {
DWORD AdapterLibraryVersion() { return 1; }
}  // namespace lartsen::win32
