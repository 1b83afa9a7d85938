// The real Lartsen.exe for a user whose interface speaks English, at 96 and 144 DPI: with no
// Language value its tray menu, the settings dialog answering an invalid value and About speak
// English, with Language=ru Russian; no text is cut, and pictures of them are kept in the
// screenshots folder.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/win32/tests/e2e/e2e_processes.h"
#include "platform/win32/ui/dialog_layout.h"
#include "platform/win32/ui/tests/dialog_driving.h"
#include "platform/win32/ui/tests/screen_capture.h"
#include "support/ui_text.h"

namespace {

using namespace lartsen::e2e;
using namespace lartsen::win32::driving;
using lartsen::UiLanguage;

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
// Control ids of the settings dialog and of About.
constexpr int kRefreshRateBox = 101, kRefreshRateLabel = 110, kAboutCreditLine = 203;

// The display's DPI as the system reads it when a program starts, set for the test's run and
// put back as it was afterwards.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                    nullptr);
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegQueryValueExW(key_, L"LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD) {
      saved_ = value;
    }
    Write(dpi);
  }
  ~ScreenDpi() {
    if (saved_) {
      Write(*saved_);
    } else {
      RegDeleteValueW(key_, L"LogPixels");
    }
    RegCloseKey(key_);
  }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  void Write(DWORD dpi) {
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  HKEY key_ = nullptr;
  std::optional<DWORD> saved_;
};

// Keeps the screen inside `area` as <screenshots folder>/<name>.png.
void Screenshot(const std::string& name, RECT area) {
  const char* folder = std::getenv("LARTSEN_SCREENSHOTS");
  if (folder == nullptr) return;
  Sleep(300);  // let the windows finish painting
  EXPECT_TRUE(SaveScreenArea(std::string(folder) + "\\" + name + ".png", area)) << name;
}

RECT WindowArea(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return area;
}

struct WholeTextCheck {
  HFONT font;
  std::wstring cut;  // the texts that do not fit their controls
};

// A static control shows its text broken at words within its width; a button on one line
// inside its frame.
BOOL CALLBACK CheckChildText(HWND child, LPARAM data) {
  auto* check = reinterpret_cast<WholeTextCheck*>(data);
  wchar_t kind[32] = {};
  GetClassNameW(child, kind, 32);
  const bool isStatic = _wcsicmp(kind, L"Static") == 0, isButton = _wcsicmp(kind, L"Button") == 0;
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if ((!isStatic && !isButton) || (isStatic && (style & SS_TYPEMASK) == SS_ICON)) return TRUE;
  wchar_t text[512] = {};
  GetWindowTextW(child, text, 512);
  RECT client{};
  GetClientRect(child, &client);
  const int frame = isButton ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
  const SIZE needed = lartsen::win32::TextExtent(check->font, text, isStatic ? client.right : 0);
  if (needed.cx + frame > client.right || needed.cy > client.bottom) {
    check->cut += L"'" + std::wstring(text) + L"' needs " + std::to_wstring(needed.cx + frame) + L"x" +
                  std::to_wstring(needed.cy) + L", has " + std::to_wstring(client.right) + L"x" +
                  std::to_wstring(client.bottom) + L"; ";
  }
  return TRUE;
}

// Every label, line and button of `dialog` shows its text whole in the dialog font at `dpi`.
void ExpectNoTextCut(HWND dialog, int dpi) {
  WholeTextCheck check{lartsen::win32::CreateDialogFont(dpi), {}};
  EnumChildWindows(dialog, CheckChildText, reinterpret_cast<LPARAM>(&check));
  DeleteObject(check.font);
  EXPECT_TRUE(check.cut.empty()) << testing::PrintToString(check.cut);
}

// The open tray menu of the process: a visible window of the menu class.
HWND OpenMenuOf(DWORD processId) {
  HWND menu = nullptr;
  while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    if (owner == processId && IsWindowVisible(menu)) return menu;
  }
  return nullptr;
}

struct Run {
  int dpi;
  bool russianChosen;  // Language=ru in the settings
};

// What the program says in the run's language.
struct Expected {
  const wchar_t* settingsCaption;
  const wchar_t* rateLabel;
  const wchar_t* rangeCheck;
  const wchar_t* aboutCaption;
  const wchar_t* credit;
};
constexpr Expected kEnglish{L"Settings", L"Refresh rate (ms):", L"The refresh rate must lie between 1 and 60000.",
                            L"About", L"By Nerrowind. Korvel: small programs for Windows."};
constexpr Expected kRussian{L"Настройки", L"Частота обновления (мс):",
                            L"Частота обновления должна лежать в интервале от 1 до 60000.", L"О программе",
                            L"Автор: Nerrowind. Korvel — небольшие программы для Windows."};

class EnglishInterface : public ::testing::TestWithParam<Run> {
 protected:
  std::wstring folder, program;
  Process process;
  HWND main = nullptr;
  std::optional<ScreenDpi> screenDpi;

  std::string ShotName(const char* what) const {
    return (GetParam().russianChosen ? "ru-" : "en-") + std::to_string(GetParam().dpi) + "-" + what;
  }

  void SetUp() override {
    // The run gives the program (and this test, its parent) an English interface through the
    // locale of its environment; the test proves it took.
    ASSERT_EQ(lartsen::LanguageOfLangId(GetUserDefaultUILanguage()), UiLanguage::English)
        << "run with an English locale, e.g. LANG=en_US.UTF-8";
    const bool copied = CopyProgramToOwnFolder(L"lartsen-english-e2e-", program);
    folder = Folder(program);
    ASSERT_TRUE(copied);
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);  // no Language value: the interface decides
    if (GetParam().russianChosen) {
      static const wchar_t kRussianValue[] = L"ru";
      ASSERT_EQ(SHSetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Language", REG_SZ, kRussianValue, sizeof kRussianValue),
                ERROR_SUCCESS);
    }
    screenDpi.emplace(static_cast<DWORD>(GetParam().dpi));
    process = Start(program, L"");
    ASSERT_NE(process.info.hProcess, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return (main = FindWindowW(nullptr, kAppGuid)) != nullptr; }));
  }

  void TearDown() override {
    if (main != nullptr) ChooseFromMenu(main, kExitCommand);
    process.WaitExit();
    process.End();
    screenDpi.reset();
    SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
  }
};

TEST_P(EnglishInterface, MenuSettingsCheckAndAboutSpeakTheLanguageWhole) {
  const int dpi = GetParam().dpi;
  const Expected& says = GetParam().russianChosen ? kRussian : kEnglish;
  // The menu as a click on the icon opens it, then closed again.
  PostMessageW(main, WM_APP + 1, 1, WM_RBUTTONUP);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = OpenMenuOf(process.info.dwProcessId)) != nullptr; }));
  Screenshot(ShotName("menu"), WindowArea(menu));
  PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return OpenMenuOf(process.info.dwProcessId) == nullptr; }));

  ChooseFromMenu(main, kSettingsCommand);
  HWND dialog = WaitForDialog(says.settingsCaption);
  ASSERT_NE(dialog, nullptr) << "no settings dialog in the run's language";
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.bottom, lartsen::win32::TwipsToPixels(2115, dpi)) << "the dialog is not laid out at " << dpi;
  ExpectNoTextCut(dialog, dpi);
  EXPECT_EQ(ItemText(dialog, kRefreshRateLabel), says.rateLabel);
  Screenshot(ShotName("settings"), WindowArea(dialog));
  SetDlgItemTextW(dialog, kRefreshRateBox, L"0");
  Click(dialog, IDOK);
  const std::wstring check = TakeMessageBox([&] {
    RECT both = WindowArea(dialog), box = WindowArea(FindWindowW(L"#32770", kBoxCaption));
    UnionRect(&both, &both, &box);
    Screenshot(ShotName("settings-invalid"), both);
  });
  EXPECT_EQ(check, says.rangeCheck);
  Click(dialog, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  ChooseFromMenu(main, kAboutCommand);
  HWND about = WaitForDialog(says.aboutCaption);
  ASSERT_NE(about, nullptr) << "no About in the run's language";
  ExpectNoTextCut(about, dpi);
  EXPECT_EQ(ItemText(about, kAboutCreditLine), says.credit);
  Screenshot(ShotName("about"), WindowArea(about));
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}

INSTANTIATE_TEST_SUITE_P(DpiAndLanguage, EnglishInterface,
                         ::testing::Values(Run{96, false}, Run{144, false}, Run{96, true}, Run{144, true}),
                         [](const ::testing::TestParamInfo<Run>& param) {
                           return (param.param.russianChosen ? "Russian" : "English") + std::to_string(param.param.dpi);
                         });

}  // namespace
