// The settings dialog SettingsDialogWindow on Windows: a dialog built in code over the dialog logic.
#include "platform/win32/ui/settings_dialog_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/common_controls.h"
#include "platform/win32/ui/dialog_layout.h"
#include "platform/win32/win_text.h"
#include "settings/read_me_file.h"
#include "support/types.h"
#include "template/time_format.h"

namespace lartsen::win32 {
namespace {

// Position and size in twips, as the layout was drawn.
struct Placement {
  int id;
  const wchar_t* kind;
  const wchar_t* caption;
  int left, top, width, height;
  DWORD style;
};

// In tab order: the order of creation is the order of the Tab key.
constexpr Placement kControls[] = {
    {kRefreshRateLabel, L"STATIC", L"", 180, 180, 2250, 210, SS_LEFT | SS_NOPREFIX},
    {kRefreshRateBox, L"EDIT", L"", 2580, 120, 4335, 375, ES_AUTOHSCROLL | WS_TABSTOP},
    {kTitlePatternLabel, L"STATIC", L"", 180, 660, 1605, 210, SS_LEFT | SS_NOPREFIX},
    {kTitlePatternBox, L"EDIT", L"", 2580, 600, 3915, 375, ES_AUTOHSCROLL | WS_TABSTOP},
    {kPreviewTitlePatternButton, L"BUTTON", L"...", 6540, 600, 375, 375, BS_PUSHBUTTON | WS_TABSTOP},
    {kTimeFormatLabel, L"STATIC", L"", 180, 1140, 1515, 210, SS_LEFT | SS_NOPREFIX},
    {kTimeFormatBox, L"EDIT", L"", 2580, 1080, 3915, 375, ES_AUTOHSCROLL | WS_TABSTOP},
    {kPreviewTimeFormatButton, L"BUTTON", L"...", 6540, 1080, 375, 375, BS_PUSHBUTTON | WS_TABSTOP},
    {kOkButton, L"BUTTON", L"Ok", 4020, 1560, 1395, 435, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {kCancelButton, L"BUTTON", L"", 5520, 1560, 1395, 435, BS_PUSHBUTTON | WS_TABSTOP},
};

// The labels and the cancel button say their text in the dialog's language; the others keep
// the caption above.
std::wstring CaptionOf(const Placement& p, UiLanguage language) {
  switch (p.id) {
    case kRefreshRateLabel: return Wide(TextOf(UiText::RefreshRateLabel, language));
    case kTitlePatternLabel: return Wide(TextOf(UiText::TitlePatternLabel, language));
    case kTimeFormatLabel: return Wide(TextOf(UiText::TimeFormatLabel, language));
    case kCancelButton: return Wide(TextOf(UiText::CancelButton, language));
    default: return p.caption;
  }
}

constexpr int kClientWidth = 7035;
constexpr int kClientHeight = 2115;
// The labels' column as drawn; the fields begin to the right of it.
constexpr int kLabelColumnWidth = 2250;
constexpr int kFieldsLeft = 2580;
// Around the Ok and Cancel pair: the gap between them and the margin at the right.
constexpr int kButtonGap = 105;
constexpr int kRightMargin = 120;
// The back panel: the button-face panel behind the labels, reaching past the top, left and bottom.
constexpr RECT kBackPanelTwips{-60, -600, -60 + 2955, -600 + 3975};

bool IsEdit(int id) { return id == kRefreshRateBox || id == kTitlePatternBox || id == kTimeFormatBox; }

// The windows of this thread that the modal dialog keeps from input while it is open.
struct DisabledWindows {
  HWND dialog;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM state) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(state);
  // The dialog's own popups (its tooltips) stay as they are.
  if (window != disabled->dialog && GetWindow(window, GW_OWNER) != disabled->dialog && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

void SettingsDialogWindow::DialogMessages::ShowMessage(std::u16string_view text, unsigned style) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(ApplicationTitle).c_str(), style | MB_OK);
}

SettingsDialogWindow::SettingsDialogWindow(SettingsDialogServices& services, HINSTANCE instance)
    : services_(services),
      instance_(instance),
      formatter_(services.settings.TitlePattern, services.settings.TimeFormat, services.locale, services.clock, services.memory),
      logic_(services.settings, services.locale, services.clock, services.random, messages_, reporter_,
             [&locale = services.locale](double moment, std::u16string_view format) {
               return FormatDateTime(moment, format, locale);
             },
             [this](const std::u16string& pattern, double moment, const std::u16string& format) {
               return formatter_.FormatTitle(pattern, moment, format);
             },
             [&makeStore = services.makeStore](const Settings& settings) { SaveSettings(settings, makeStore); },
             services.language) {}

SettingsDialogWindow::~SettingsDialogWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);  // before its font and brush go
}

void SettingsDialogWindow::ShowModal() {
  EnsureCommonControls();
  const auto dialogTemplate =
      EmptyDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN,
                          WS_EX_DLGMODALFRAME, Wide(TextOf(UiText::SettingsCaption, services_.language)));
  hwnd_ = CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                     nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd_ == nullptr) throw Error(status::kFail, UiText::CannotCreateSettingsWindow);

  DisabledWindows disabled{hwnd_, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);

  MSG message{};
  bool quit = false;
  while (!done_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got < 0) break;
    if (PreTranslate(message)) continue;
    if (IsDialogMessageW(hwnd_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  for (HWND window : disabled.windows) EnableWindow(window, TRUE);
  if (hwnd_ != nullptr) {
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

// F1 without Shift, Ctrl or Alt opens the read-me file wherever the focus is in the dialog.
bool SettingsDialogWindow::PreTranslate(MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_F1) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  OpenReadMe();
  return true;
}

INT_PTR CALLBACK SettingsDialogWindow::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  SettingsDialogWindow* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<SettingsDialogWindow*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    self->hwnd_ = dialog;
  } else {
    self = reinterpret_cast<SettingsDialogWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  // Nothing thrown may leave a window procedure.
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR SettingsDialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Load();
      return FALSE;  // the focus is set already
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(wParam));
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      // The labels stand on the back panel.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<INT_PTR>(faceBrush_.get());
    }
    case WM_HELP:
      OpenReadMe();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_CLOSE:
      Cancel();
      return TRUE;
    default:
      return FALSE;
  }
}

void SettingsDialogWindow::Load() {
  messages_.owner = hwnd_;
  dpi_ = WindowDpi(hwnd_);
  font_.reset(CreateDialogFont(dpi_));
  faceBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  backPanel_ = RECT{TwipsToPixels(kBackPanelTwips.left, dpi_), TwipsToPixels(kBackPanelTwips.top, dpi_),
                  TwipsToPixels(kBackPanelTwips.right, dpi_), TwipsToPixels(kBackPanelTwips.bottom, dpi_)};
  CreateControls();
  CenterOnScreen(hwnd_);
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, 0);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, 0);
  const SettingsDialogTexts texts = logic_.InitialTexts();
  SetDlgItemTextW(hwnd_, kRefreshRateBox, Wide(texts.RefreshRate).c_str());
  SetDlgItemTextW(hwnd_, kTitlePatternBox, Wide(texts.TitlePattern).c_str());
  SetDlgItemTextW(hwnd_, kTimeFormatBox, Wide(texts.TimeFormat).c_str());
  FocusField(DialogField::RefreshRate);
}

void SettingsDialogWindow::CreateControls() {
  // The layout was drawn for the Russian labels in Tahoma at 96 DPI. Another language, another
  // DPI or a wider substitute font widens the labels' column to the widest label (the fields
  // move right by as much) and the buttons to their captions, so that no text is cut.
  auto px = [this](int twips) { return TwipsToPixels(twips, dpi_); };
  int labelWidth = px(kLabelColumnWidth);
  int labelHeight = 0;
  int buttonWidth = 0;
  for (const Placement& p : kControls) {
    const std::wstring caption = CaptionOf(p, services_.language);
    if (std::wstring_view(p.kind) == L"STATIC") {
      const SIZE text = TextExtent(font_.get(), caption);
      labelWidth = std::max(labelWidth, static_cast<int>(text.cx));
      labelHeight = std::max({labelHeight, px(p.height), static_cast<int>(text.cy)});
    } else if (p.id == kOkButton || p.id == kCancelButton) {
      buttonWidth = std::max(buttonWidth, ButtonWidth(font_.get(), caption, px(p.width), dpi_));
    }
  }
  const int shift = labelWidth - px(kLabelColumnWidth);
  const int clientWidth = std::max(px(kClientWidth) + shift,
                                   px(kControls[0].left) + 2 * buttonWidth + px(kButtonGap) + px(kRightMargin));
  const int cancelLeft = clientWidth - px(kRightMargin) - buttonWidth;
  SetClientSize(hwnd_, clientWidth, px(kClientHeight));
  backPanel_.right += shift;

  for (const Placement& p : kControls) {
    const DWORD exStyle = std::wstring_view(p.kind) == L"EDIT" ? WS_EX_CLIENTEDGE : 0;
    const std::wstring caption = CaptionOf(p, services_.language);
    int left = px(p.left) + (p.left >= kFieldsLeft ? shift : 0);
    int width = px(p.width);
    int height = px(p.height);
    if (std::wstring_view(p.kind) == L"STATIC") {
      width = labelWidth;
      height = labelHeight;
    } else if (p.id == kOkButton || p.id == kCancelButton) {
      left = p.id == kCancelButton ? cancelLeft : cancelLeft - px(kButtonGap) - buttonWidth;
      width = buttonWidth;
    }
    HWND control = CreateWindowExW(exStyle, p.kind, caption.c_str(), WS_CHILD | WS_VISIBLE | p.style, left,
                                   px(p.top), width, height, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             instance_, nullptr);
  // The tooltip keeps its own copy of the text.
  std::wstring previewTip = Wide(TextOf(UiText::PreviewTip, services_.language));
  for (int id : {kPreviewTitlePatternButton, kPreviewTimeFormatButton}) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every common-controls version
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, id));
    tool.lpszText = previewTip.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void SettingsDialogWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (!PaintDesktop(dc)) FillRect(dc, &client, GetSysColorBrush(COLOR_DESKTOP));
  RECT back = backPanel_;
  IntersectRect(&back, &back, &client);
  FillRect(dc, &back, faceBrush_.get());
}

void SettingsDialogWindow::OnCommand(int id, int notification, HWND) {
  if (IsEdit(id)) {
    // Typing replaces the whole content of a field that has just got the focus.
    if (notification == EN_SETFOCUS) SendDlgItemMessageW(hwnd_, id, EM_SETSEL, 0, -1);
    return;
  }
  if (notification != BN_CLICKED) return;
  switch (id) {
    case kOkButton:
      Confirm();
      break;
    case kCancelButton:
      Cancel();
      break;
    case kPreviewTimeFormatButton:
      FocusField(logic_.ShowTimeFormatPreview(Text(kTimeFormatBox)));
      break;
    case kPreviewTitlePatternButton:
      FocusField(logic_.ShowTitlePatternPreview(Text(kTitlePatternBox), Text(kTimeFormatBox)));
      break;
    default:
      break;
  }
}

void SettingsDialogWindow::Confirm() {
  const auto outcome =
      logic_.Confirm({Text(kRefreshRateBox), Text(kTitlePatternBox), Text(kTimeFormatBox)});
  if (outcome.Close) {
    Close();
  } else {
    FocusField(outcome.Focus);
  }
}

void SettingsDialogWindow::Cancel() { Close(); }

void SettingsDialogWindow::Close() { done_ = true; }

void SettingsDialogWindow::FocusField(DialogField field) {
  int id = 0;
  switch (field) {
    case DialogField::RefreshRate: id = kRefreshRateBox; break;
    case DialogField::TitlePattern: id = kTitlePatternBox; break;
    case DialogField::TimeFormat: id = kTimeFormatBox; break;
    case DialogField::None: return;
  }
  HWND control = GetDlgItem(hwnd_, id);
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  SendMessageW(control, EM_SETSEL, 0, -1);
}

std::u16string SettingsDialogWindow::Text(int id) const {
  HWND control = GetDlgItem(hwnd_, id);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return std::u16string(text.begin(), text.end());
}

void SettingsDialogWindow::OpenReadMe() {
  OpenReadMeFile(reinterpret_cast<WindowHandle>(hwnd_), services_.environment, services_.shell, messages_,
                 services_.language);
}

SettingsDialog::SettingsDialog(SettingsDialogServices services, HINSTANCE instance)
    : services_(std::move(services)), instance_(instance) {}

void SettingsDialog::ShowModal() {
  if (open_ != nullptr) {
    if (open_->Handle() != nullptr) SetForegroundWindow(open_->Handle());
    return;
  }
  SettingsDialogWindow form(services_, instance_);
  open_ = &form;
  try {
    form.ShowModal();
  } catch (...) {
    open_ = nullptr;
    throw;
  }
  open_ = nullptr;
}

}  // namespace lartsen::win32
