// The About dialog: the program's icon, title and version from its version block, and a credit.
#include "platform/win32/ui/about_dialog_win32.h"

#include <algorithm>

#include "platform/win32/common_controls.h"
#include "platform/win32/ui/dialog_layout.h"
#include "platform/win32/ui/version_block.h"
#include "platform/win32/win_text.h"
#include "support/types.h"

namespace lartsen::win32 {

AboutDialog::AboutDialog(HWND owner, HINSTANCE instance, UiLanguage language)
    : owner_(owner), language_(language), instance_(instance) {}

std::wstring AboutDialog::TitleLine() {
  const ProgramVersion version = ReadProgramVersion();
  std::wstring line = version.Title.empty() ? std::wstring(DisplayTitle.begin(), DisplayTitle.end()) : version.Title;
  if (!version.Version.empty()) line += L" " + version.Version;
  return line;
}

void AboutDialog::ShowAbout() {
  if (showing_) {
    if (dialog_ != nullptr) SetForegroundWindow(dialog_);
    return;
  }
  EnsureCommonControls();
  const auto dialogTemplate = EmptyDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                                  WS_EX_DLGMODALFRAME, Wide(TextOf(UiText::AboutCaption, language_)));
  showing_ = true;
  DialogBoxIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner_,
                          DialogProc, reinterpret_cast<LPARAM>(this));
  showing_ = false;
  dialog_ = nullptr;
  font_.reset();
  icon_.reset();
}

INT_PTR CALLBACK AboutDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_INITDIALOG:
        reinterpret_cast<AboutDialog*>(lParam)->Load(dialog);
        return FALSE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      default:
        return FALSE;
    }
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

void AboutDialog::Load(HWND dialog) {
  dialog_ = dialog;
  const int dpi = WindowDpi(dialog);
  auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
  font_.reset(CreateDialogFont(dpi));

  const int iconSize = GetSystemMetrics(SM_CXICON);
  // The icon lives in the program's resources; a build without it shows none.
  icon_.reset(static_cast<HICON>(LoadImageW(instance_, L"A_MAIN", IMAGE_ICON, iconSize, iconSize, 0)));
  HWND iconControl = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, px(240), px(240),
                                     iconSize, iconSize, dialog,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAboutIcon)), instance_, nullptr);
  if (icon_) SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);

  // The lines stand in a column beside the icon, each as tall as its text needs at the column's
  // width (the credit breaks into lines); the button follows below them.
  struct Line {
    int id;
    std::wstring text;
    int minimumHeight;
  };
  const Line lines[] = {
      {kAboutTitle, TitleLine(), 300},
      {kAboutCreditLine, Wide(TextOf(UiText::AboutCreditWindows, language_)), 600},
  };
  const int textLeft = px(1080), textWidth = px(4080), gap = px(120);
  int top = px(240);
  for (const Line& line : lines) {
    const int height = std::max(px(line.minimumHeight), static_cast<int>(TextExtent(font_.get(), line.text, textWidth).cy));
    HWND control = CreateWindowExW(0, L"STATIC", line.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                   textLeft, top, textWidth, height, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(line.id)), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    top += height + gap;
  }
  const int okWidth = ButtonWidth(font_.get(), L"Ok", px(1380), dpi);
  const int okHeight = px(420);
  HWND ok = CreateWindowExW(0, L"BUTTON", L"Ok", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                            textLeft + textWidth - okWidth, top, okWidth, okHeight, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance_, nullptr);
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SetClientSize(dialog, std::max(px(5400), textLeft + textWidth + px(240)), top + okHeight + gap);
  CenterOnScreen(dialog);
  SetFocus(ok);
}

}  // namespace lartsen::win32
