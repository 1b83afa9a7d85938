// Enters and leaves the single-threaded COM apartment of the user-interface thread.
#include "platform/win32/app/com_apartment.h"

#include <windows.h>
#include <objbase.h>

namespace lartsen::win32 {

ComApartment::ComApartment() {
  // S_FALSE: the thread was already in such an apartment; it still counts one entry to leave.
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  entered_ = SUCCEEDED(result);
}

ComApartment::~ComApartment() {
  if (entered_) CoUninitialize();
}

}  // namespace lartsen::win32
