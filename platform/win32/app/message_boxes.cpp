// MessageBoxW with the application title; brought to the front, as a tray program has no window to show.
#include "platform/win32/app/message_boxes.h"

#include <windows.h>

#include "platform/win32/win_text.h"
#include "support/types.h"

namespace lartsen::win32 {

void MessageBoxes::ShowMessage(std::u16string_view text, unsigned style) {
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(ApplicationTitle).c_str(),
              style | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace lartsen::win32
