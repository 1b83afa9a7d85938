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

// The size in pixels `text` takes in `font` as a static control draws it: on one line, or
// broken at words to lines no wider than `wrapWidth` when that is given.
SIZE TextExtent(HFONT font, const std::wstring& text, int wrapWidth = 0);

// The width of a push button that shows `text` whole in `font`: at least `minimum`, else the
// text with the margin a button keeps around it at `dpi`.
int ButtonWidth(HFONT font, const std::wstring& text, int minimum, int dpi);

// Centres the window on the work area of the monitor under the mouse pointer.
void CenterOnScreen(HWND window);

// Gives the window a client area of the given size in pixels, keeping its position.
void SetClientSize(HWND window, int width, int height);

}  // namespace lartsen::win32
