// Building dialogs in code: an in-memory template, twips to pixels at the monitor's DPI, the font.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace lartsen::win32 {

// A dialog template without controls (they are created in WM_INITDIALOG at pixel positions);
// the buffer is DWORD-aligned as DLGTEMPLATE requires.
std::vector<DWORD> EmptyDialogTemplate(DWORD style, DWORD exStyle, const std::wstring& caption);

// Dots per inch of the monitor that shows `window` (or the primary monitor for none).
int WindowDpi(HWND window);

// 1440 twips to the inch.
inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// Tahoma 9 pt with the Cyrillic character set at `dpi`, or the system's message font at that
// size where Tahoma is missing. The caller deletes it.
HFONT CreateDialogFont(int dpi);

// A font no larger than `font` in which each text fits its width in pixels: the same font when
// they fit already (the caller then owns only that one), else a smaller copy the caller deletes.
HFONT FitFontToTexts(HFONT font, const std::vector<std::pair<std::wstring, int>>& textsAndWidths);

// Centres the window on the work area of the monitor under the mouse pointer.
void CenterOnScreen(HWND window);

// Gives the window a client area of the given size in pixels, keeping its position.
void SetClientSize(HWND window, int width, int height);

}  // namespace lartsen::win32
