// Basic types shared by the core: window handles and the application's fixed texts.
#pragma once

#include <cstdint>
#include <string_view>

namespace lartsen {

// A top-level window; 0 means no window throughout.
using WindowHandle = std::uintptr_t;

// The program's identifier: caption of the hidden main window, key of the single-instance
// guard and of the autostart entry.
inline constexpr std::u16string_view AppGuid = u"{7D6F2105-7E08-4565-ABFE-7C4F127C890A}";
// Caption of every message box of the program.
inline constexpr std::u16string_view ApplicationTitle = u"Korvel - Ларцен";
// Tooltip of the tray icon and the product name.
inline constexpr std::u16string_view DisplayTitle = u"Ларцен";

}  // namespace lartsen
