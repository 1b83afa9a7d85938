// The About dialog: the program's icon, title and version from its version block, and a credit.
#pragma once

#include <windows.h>

#include <string>

#include "app/app_ports.h"
#include "platform/win32/owned_win32.h"
#include "support/ui_text.h"

namespace lartsen::win32 {

// The Russian credit line; the dialog says it in its own language.
inline constexpr wchar_t kAboutCredit[] = L"Автор: Nerrowind. Korvel — небольшие программы для Windows.";
// Control ids (tests read the texts through them).
inline constexpr int kAboutIcon = 201;
inline constexpr int kAboutTitle = 202;
inline constexpr int kAboutCreditLine = 203;

class AboutDialog final : public AboutPort {
 public:
  // `owner` is the main form's window (none in tests); the credit line speaks `language`.
  explicit AboutDialog(HWND owner = nullptr, HINSTANCE instance = GetModuleHandleW(nullptr),
                       UiLanguage language = UiLanguage::Russian);
  // Modal; returns when the user closes it. While it is open (the tray menu still works during
  // its loop) a second call only brings it to the front: one dialog owns the font and icon.
  void ShowAbout() override;

  // "Ларцен 1.0.0": the title and version line the dialog shows.
  static std::wstring TitleLine();

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void Load(HWND dialog);

  HWND owner_;
  UiLanguage language_;
  HINSTANCE instance_;
  OwnedFont font_;
  OwnedIcon icon_;
  bool showing_ = false;
  HWND dialog_ = nullptr;  // the open dialog, once it has been created
};

}  // namespace lartsen::win32
