// The private messages and timer ids of the hidden main window, shared by its parts.
#pragma once

#include <windows.h>

namespace lartsen::win32 {

// The tray icon's notifications to the main window.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

inline constexpr UINT_PTR kRefreshTimer = 1;
inline constexpr UINT_PTR kTrayRetryTimer = 2;
inline constexpr UINT_PTR kForegroundPollTimer = 3;
inline constexpr UINT_PTR kEndSessionWaitTimer = 4;

}  // namespace lartsen::win32
