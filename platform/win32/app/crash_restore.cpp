// The unhandled-exception filter and terminate handler that give the stamped title back.
#include "platform/win32/app/crash_restore.h"

#include <cstdlib>
#include <cwchar>

#include "support/types.h"

namespace lartsen::win32 {
namespace {

// An integer atom: a window property by this name needs no entry in the atom table, so nothing
// is left behind when the window goes without removing it.
const wchar_t* const kProperty = MAKEINTATOM(0x7E57);
// The program's identifier as a wide string: the caption of its main window.
constexpr wchar_t kCaption[] = L"{7D6F2105-7E08-4565-ABFE-7C4F127C890A}";
static_assert(std::size(kCaption) - 1 == AppGuid.size());
// Long enough for any title a stamp is written to in practice; a longer one is compared by
// its beginning.
constexpr int kShownLength = 2048;
constexpr UINT kWriteTimeoutMs = 1000;
// What the filter needs after a stack overflow: the title buffer, the calls it makes and the
// system's own handling after it, with room to spare.
constexpr ULONG kStackReserve = 64 * 1024;

using StackGuaranteeFunction = BOOL(WINAPI*)(PULONG);

// A stack overflow leaves the filter only the one guard page to run on, too little for its
// restore, unless the thread keeps a reserve for it. Vista and later (and the x64 edition of
// XP) have the call; without it the filter does what the guard page allows.
void ReserveStackForTheFilter() noexcept {
  const auto guarantee = reinterpret_cast<StackGuaranteeFunction>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetThreadStackGuarantee")));
  if (guarantee == nullptr) return;
  ULONG size = kStackReserve;
  guarantee(&size);
}

}  // namespace

CrashRestore::CrashRestore(const TitleWriter& writer, HWND mainWindow)
    : writer_(writer), mainWindow_(mainWindow) {
  SetPropW(mainWindow_, kProperty, this);
  ReserveStackForTheFilter();  // the main thread: the only one that stamps
  previousFilter_ = SetUnhandledExceptionFilter(&CrashRestore::Filter);
  previousTerminate_ = std::set_terminate(&CrashRestore::Terminate);
}

CrashRestore::~CrashRestore() {
  std::set_terminate(previousTerminate_);
  SetUnhandledExceptionFilter(previousFilter_);
  if (IsWindow(mainWindow_) && GetPropW(mainWindow_, kProperty) == this) {
    RemovePropW(mainWindow_, kProperty);
  }
}

const CrashRestore* CrashRestore::Find() noexcept {
  const DWORD self = GetCurrentProcessId();
  HWND candidate = nullptr;
  while ((candidate = FindWindowExW(nullptr, candidate, nullptr, kCaption)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(candidate, &owner);
    if (owner == self) return static_cast<const CrashRestore*>(GetPropW(candidate, kProperty));
  }
  return nullptr;
}

void CrashRestore::RestoreNow() const noexcept {
  const HWND window = reinterpret_cast<HWND>(writer_.StampedWindow);
  if (window == nullptr) return;
  // The program's own windows (its dialogs) end with it.
  DWORD owner = 0;
  if (GetWindowThreadProcessId(window, &owner) == 0 || owner == GetCurrentProcessId()) return;
  // Only a window that still shows our text gets its own title back, as at an orderly exit.
  const std::u16string& written = writer_.StampedTitle;
  wchar_t shown[kShownLength];
  const int length = InternalGetWindowText(window, shown, kShownLength);
  const std::size_t compared = written.size() < kShownLength - 1 ? written.size() : kShownLength - 1;
  if (length < 0 || static_cast<std::size_t>(length) != compared ||
      std::wmemcmp(shown, reinterpret_cast<const wchar_t*>(written.data()), compared) != 0) {
    return;
  }
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(writer_.OriginalTitle.c_str()),
                      SMTO_ABORTIFHUNG | SMTO_BLOCK, kWriteTimeoutMs, &result);
}

LONG WINAPI CrashRestore::Filter(EXCEPTION_POINTERS* exception) {
  const CrashRestore* self = Find();
  if (self == nullptr) return EXCEPTION_CONTINUE_SEARCH;
  self->RestoreNow();
  // The system's own handling (its error report) follows, as without this filter.
  return self->previousFilter_ ? self->previousFilter_(exception) : EXCEPTION_CONTINUE_SEARCH;
}

void CrashRestore::Terminate() {
  const CrashRestore* self = Find();
  if (self != nullptr) {
    self->RestoreNow();
    if (self->previousTerminate_) self->previousTerminate_();
  }
  std::abort();
}

}  // namespace lartsen::win32
