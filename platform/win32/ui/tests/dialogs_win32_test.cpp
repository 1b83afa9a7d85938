// The settings and About dialogs driven as a user would, from a watcher thread.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/ui/about_dialog_win32.h"
#include "platform/win32/ui/dialog_layout.h"
#include "platform/win32/ui/tests/dialog_driving.h"
#include "platform/win32/ui/settings_dialog_win32.h"
#include "platform/win32/ui/version_block.h"
#include "platform/win32/win_text.h"
#include "support/ole_date.h"
#include "settings/testing/recording_store.h"
#include "support/testing/fake_clock.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_memory.h"
#include "support/testing/fake_random.h"
#include "support/testing/fake_shell.h"

namespace lartsen::win32 {
namespace {

using namespace driving;

// Saves the screen as a BMP when LARTSEN_SCREENSHOTS names a folder (for a person to look at).
void Screenshot(const char* name) {
  const char* folder = std::getenv("LARTSEN_SCREENSHOTS");
  if (folder == nullptr || name == nullptr) return;
  Sleep(300);  // let the window finish painting
  HDC screen = GetDC(nullptr);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  file.bfSize = file.bfOffBits + stride * height;
  const std::string path = std::string(folder) + "\\" + name + ".bmp";
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
    std::fwrite(bits, 1, stride * height, f);
    std::fclose(f);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

// Types each text into its box, presses the button and gives back the text of the message box
// that answers (with a screenshot of it under that name).
std::wstring Answer(HWND dialog, std::initializer_list<std::pair<int, const wchar_t*>> texts, int button,
                    const char* screenshot = nullptr) {
  for (auto [id, text] : texts) SetDlgItemTextW(dialog, id, text);
  Click(dialog, button);
  return TakeMessageBox([=] { Screenshot(screenshot); });
}

class SettingsDialogOnScreen : public ::testing::Test {
 protected:
  Settings settings{u"hh:nn", u"[%time%]", 1000};
  testing::FakeClock clock = testing::ClockAt(2024, 5, 6, 7, 8, 9);
  testing::FakeRandom random;
  testing::NoMemory memory;
  FakeEnvironment folder{u"C:\\no-such-folder-lartsen"};
  FakeShell shell;
  std::vector<std::u16string> writes;
  SettingsDialogServices services{settings, BuiltinLocale("en-US"), clock, random, memory, folder, shell,
                                  [this] { return std::make_unique<testing::RecordingStore>(writes); }};

  // Shows the dialog on this thread while `script` drives it from another; the script gets the
  // dialog's window. If the script leaves the dialog open, it is cancelled.
  void Run(const std::function<void(HWND)>& script) {
    std::thread watcher([&] {
      HWND dialog = WaitForDialog(Wide(TextOf(UiText::SettingsCaption, services.language)).c_str());
      if (dialog == nullptr) return;
      script(dialog);
      for (int i = 0; i < 300 && IsWindow(dialog); ++i) Sleep(10);
      if (IsWindow(dialog)) {
        ADD_FAILURE() << "the dialog stayed open";
        Click(dialog, IDCANCEL);
      }
    });
    SettingsDialog(services).ShowModal();
    watcher.join();
  }
};

SettingsDialog* nestedDialog = nullptr;
std::atomic<int> nestedReturns{0};

void CALLBACK AskAgain(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  nestedDialog->ShowModal();  // must come back at once
  ++nestedReturns;
}

BOOL CALLBACK CountSettingsWindows(HWND window, LPARAM count) {
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  if (std::wstring(caption) == L"Настройки" && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST_F(SettingsDialogOnScreen, AskedAgainWhileOpenItDoesNotStackASecondDialog) {
  SettingsDialog dialog(services);
  nestedDialog = &dialog;
  int windows = 0;
  std::thread watcher([&] {
    HWND open = WaitForDialog(L"Настройки");
    if (open == nullptr) return;
    for (int i = 0; i < 300 && nestedReturns.load() == 0; ++i) Sleep(10);
    EnumWindows(CountSettingsWindows, reinterpret_cast<LPARAM>(&windows));
    Click(open, IDCANCEL);
  });
  SetTimer(nullptr, 0, 50, AskAgain);
  dialog.ShowModal();
  watcher.join();
  EXPECT_EQ(nestedReturns.load(), 1);
  EXPECT_EQ(windows, 1);
}

TEST_F(SettingsDialogOnScreen, LayoutCaptionsAndTabOrder) {
  Run([&](HWND dialog) {
    Screenshot("settings-dialog");
    EXPECT_EQ(ItemText(dialog, kRefreshRateBox), L"1000");
    EXPECT_EQ(ItemText(dialog, kTitlePatternBox), L"[%time%]");
    EXPECT_EQ(ItemText(dialog, kTimeFormatBox), L"hh:nn");
    EXPECT_EQ(ItemText(dialog, kRefreshRateLabel), L"Частота обновления (мс):");
    EXPECT_EQ(ItemText(dialog, kTimeFormatLabel), L"Формат времени:");
    EXPECT_EQ(ItemText(dialog, kTitlePatternLabel), L"Шаблон заголовка:");
    EXPECT_EQ(ItemText(dialog, kCancelButton), L"Отмена");
    // The refresh rate has the focus first, its whole text selected.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui));
    EXPECT_EQ(gui.hwndFocus, GetDlgItem(dialog, kRefreshRateBox));
    DWORD start = 1, end = 0;
    SendDlgItemMessageW(dialog, kRefreshRateBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    const int dpi = WindowDpi(dialog);
    RECT client{};
    GetClientRect(dialog, &client);
    // As drawn, or wider by as much as the widest label needs beyond its column in this font.
    EXPECT_GE(client.right, TwipsToPixels(7035, dpi));
    RECT label{};
    GetWindowRect(GetDlgItem(dialog, kRefreshRateLabel), &label);
    EXPECT_EQ(client.right - TwipsToPixels(7035, dpi), std::max(0L, label.right - label.left - TwipsToPixels(2250, dpi)));
    EXPECT_EQ(client.bottom, TwipsToPixels(2115, dpi));
    EXPECT_EQ(SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
    // Both "..." buttons explain themselves.
    HWND tooltip = nullptr;
    while ((tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
      if (GetWindow(tooltip, GW_OWNER) == dialog) break;
    }
    ASSERT_NE(tooltip, nullptr);
    EXPECT_TRUE(IsWindowEnabled(tooltip));
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
    for (int id : {kPreviewTitlePatternButton, kPreviewTimeFormatButton}) {
      wchar_t tip[64] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = dialog;
      tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
      tool.lpszText = tip;
      SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
      EXPECT_EQ(std::wstring(tip), L" Предпросмотр ");
    }
    std::vector<int> order;
    HWND item = GetDlgItem(dialog, kRefreshRateBox);
    for (int i = 0; i < 7; ++i) {
      order.push_back(GetDlgCtrlID(item));
      item = GetNextDlgTabItem(dialog, item, FALSE);
    }
    EXPECT_EQ(order, (std::vector<int>{kRefreshRateBox, kTitlePatternBox, kPreviewTitlePatternButton, kTimeFormatBox,
                                       kPreviewTimeFormatButton, IDOK, IDCANCEL}));
    Click(dialog, IDCANCEL);
  });
}

TEST_F(SettingsDialogOnScreen, RejectedValuesKeepItOpenUntilValidOnesAreSaved) {
  std::vector<std::wstring> boxes;
  Run([&](HWND dialog) {
    boxes.push_back(Answer(dialog, {{kRefreshRateBox, L"abc"}}, IDOK, "settings-invalid-rate"));
    boxes.push_back(Answer(dialog, {{kRefreshRateBox, L"60001"}}, IDOK));
    // A number format is no time format.
    boxes.push_back(Answer(dialog, {{kRefreshRateBox, L" 250 "}, {kTimeFormatBox, L"0.00"}}, IDOK));
    EXPECT_TRUE(IsWindow(dialog));
    SetDlgItemTextW(dialog, kTimeFormatBox, L"hh:nn:ss");
    SetDlgItemTextW(dialog, kTitlePatternBox, L"<%time%>");
    // Enter in a text box is Ok, the default button.
    PostMessageW(GetDlgItem(dialog, kTitlePatternBox), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  });
  EXPECT_EQ(boxes, (std::vector<std::wstring>{L"Вы ввели неправильное значение частоты обновления.",
                                              L"Частота обновления должна лежать в интервале от 1 до 60000.",
                                              L"Ошибка в формате времени!"}));
  EXPECT_EQ(settings.RefreshRate, 250);
  EXPECT_EQ(settings.TimeFormat, u"hh:nn:ss");
  EXPECT_EQ(settings.TitlePattern, u"<%time%>");
  EXPECT_EQ(writes.size(), 3u);
}

TEST_F(SettingsDialogOnScreen, CancelChangesNothing) {
  Run([&](HWND dialog) {
    SetDlgItemTextW(dialog, kRefreshRateBox, L"5");
    SetDlgItemTextW(dialog, kTimeFormatBox, L"yyyy");
    // Esc in a text box is Cancel.
    PostMessageW(GetDlgItem(dialog, kTimeFormatBox), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  });
  EXPECT_EQ(settings.RefreshRate, 1000);
  EXPECT_EQ(settings.TimeFormat, u"hh:nn");
  EXPECT_TRUE(writes.empty());
}

TEST_F(SettingsDialogOnScreen, PreviewsShowFiveSamplesOrTheirErrorHeading) {
  std::vector<std::wstring> boxes;
  Run([&](HWND dialog) {
    boxes.push_back(Answer(dialog, {{kTimeFormatBox, L"yyyy"}}, kPreviewTimeFormatButton, "settings-preview"));
    boxes.push_back(Answer(dialog, {{kTitlePatternBox, L"<%time%>"}}, kPreviewTitlePatternButton));
    boxes.push_back(Answer(dialog, {{kTimeFormatBox, L"0.00"}}, kPreviewTitlePatternButton));
    Click(dialog, IDCANCEL);
  });
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0], L"2024\r\n\r\n1950\r\n\r\n1950\r\n\r\n1950\r\n\r\n1950");
  EXPECT_EQ(boxes[1], L"<2024>\r\n\r\n<1950>\r\n\r\n<1950>\r\n\r\n<1950>\r\n\r\n<1950>");
  EXPECT_EQ(boxes[2].rfind(L"Ошибка в шаблоне!", 0), 0u) << boxes[2].size();
  EXPECT_EQ(settings.TimeFormat, u"hh:nn");
}

TEST_F(SettingsDialogOnScreen, F1InATextBoxOpensTheReadMe) {
  std::wstring box;
  Run([&](HWND dialog) {
    HWND edit = GetDlgItem(dialog, kTimeFormatBox);
    PostMessageW(edit, WM_KEYDOWN, VK_F1, 0x003B0001);
    box = TakeMessageBox();
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(box, L"Не удаётся открыть файл ReadMe.TXT");
}

// A user whose interface is not Russian: the same dialogs in English.
TEST_F(SettingsDialogOnScreen, InEnglishTheLabelsAndChecksAreEnglish) {
  services.language = UiLanguage::English;
  std::wstring label, cancel, box;
  Run([&](HWND dialog) {
    Screenshot("settings-dialog-en");
    label = ItemText(dialog, kRefreshRateLabel);
    cancel = ItemText(dialog, kCancelButton);
    box = Answer(dialog, {{kRefreshRateBox, L"abc"}}, IDOK, "settings-invalid-rate-en");
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(label, L"Refresh rate (ms):");
  EXPECT_EQ(cancel, L"Cancel");
  EXPECT_EQ(box, L"The refresh rate you entered is not valid.");

  std::wstring credit;
  std::thread watcher([&] {
    HWND dialog = WaitForDialog(L"About");
    if (dialog == nullptr) return;
    Screenshot("about-en");
    credit = ItemText(dialog, kAboutCreditLine);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  AboutDialog(nullptr, GetModuleHandleW(nullptr), UiLanguage::English).ShowAbout();
  watcher.join();
  EXPECT_EQ(credit, L"By Nerrowind. Korvel: small programs for Windows.");
}

TEST(AboutDialogOnScreen, ShowsTitleAndCreditAndClosesWithOk) {
  std::wstring title, credit;
  std::thread watcher([&] {
    HWND dialog = WaitForDialog(L"О программе");
    if (dialog == nullptr) return;
    Screenshot("about");
    title = ItemText(dialog, kAboutTitle);
    credit = ItemText(dialog, kAboutCreditLine);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  AboutDialog().ShowAbout();
  watcher.join();
  EXPECT_EQ(title, AboutDialog::TitleLine());
  EXPECT_EQ(credit, kAboutCredit);
}

TEST(VersionBlock, ReadsTheVersionOfASystemLibrary) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const ProgramVersion version = ReadProgramVersion(std::wstring(system) + L"\\kernel32.dll");
  EXPECT_FALSE(version.Version.empty());
  EXPECT_TRUE(ReadProgramVersion(L"C:\\no-such-file.exe").Version.empty());
}

}  // namespace
}  // namespace lartsen::win32
