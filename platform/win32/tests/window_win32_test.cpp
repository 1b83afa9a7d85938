// Window and memory adapters against real windows of a second process, and the title writer
// stamping, moving and restoring them; a hung window must not hold the writer.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/title_writer.h"
#include "platform/win32/memory_win32.h"
#include "platform/win32/window_win32.h"
#include "settings/settings.h"
#include "support/error.h"
#include "template/testing/title_fakes.h"

namespace lartsen::win32 {
namespace {

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

// One helper process with one top-level window; ended with its window.
class Helper {
 public:
  explicit Helper(const std::wstring& title) {
    static int count = 0;
    className_ = L"LartsenTestHelper" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                 std::to_wstring(++count);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring exe(self);
    exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"helper_window.exe";
    std::wstring commandLine = L"\"" + exe + L"\" " + className_ + L" \"" + title + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &process_)) {
      ADD_FAILURE() << "helper did not start: " << GetLastError();
      return;
    }
    for (int i = 0; i < 200 && hwnd_ == nullptr; ++i) {
      hwnd_ = FindWindowW(className_.c_str(), nullptr);
      if (hwnd_ == nullptr) Sleep(25);
    }
    EXPECT_NE(hwnd_, nullptr) << "helper window did not appear";
  }
  ~Helper() { Close(); }

  void Close() {
    if (process_.hProcess == nullptr) return;
    if (hwnd_ != nullptr) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
  }
  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(hwnd_); }
  const std::wstring& ClassName() const { return className_; }
  std::uint32_t ProcessId() const { return process_.dwProcessId; }
  // The helper retitles itself; waits until the new title shows.
  std::u16string Retitle(int n) {
    PostMessageW(hwnd_, WM_APP + 1, static_cast<WPARAM>(n), 0);
    const std::u16string expected = U16(L"Retitled by helper " + std::to_wstring(n));
    WindowWin32 windows;
    for (int i = 0; i < 200 && windows.GetWindowText(Handle()) != expected; ++i) Sleep(10);
    return expected;
  }
  void Hang(unsigned ms) { PostMessageW(hwnd_, WM_APP + 2, ms, 0); }

 private:
  std::wstring className_;
  PROCESS_INFORMATION process_{};
  HWND hwnd_ = nullptr;
};

TEST(WindowWin32, ReadsAndWritesTitlesOfAnotherProcessExactly) {
  WindowWin32 windows;
  Helper helper(L"Проверка заголовка");
  EXPECT_EQ(windows.GetWindowText(helper.Handle()), u"Проверка заголовка");
  EXPECT_EQ(windows.GetWindowClassName(helper.Handle()), U16(helper.ClassName()));
  EXPECT_EQ(windows.GetWindowProcessId(helper.Handle()), helper.ProcessId());

  std::u16string longTitle;
  for (int i = 0; i < 5000; ++i) longTitle += static_cast<char16_t>(u'А' + i % 32);
  EXPECT_TRUE(windows.TrySetWindowText(helper.Handle(), longTitle));
  EXPECT_EQ(windows.GetWindowText(helper.Handle()), longTitle);
  windows.SetWindowText(helper.Handle(), u"");
  EXPECT_EQ(windows.GetWindowText(helper.Handle()), u"");
  windows.SetWindowText(helper.Handle(), u"Ёлка [12:00:00]");
  EXPECT_EQ(windows.GetWindowText(helper.Handle()), u"Ёлка [12:00:00]");
}

TEST(WindowWin32, NoWindowAndClosedWindowReadEmptyAndWriteNothing) {
  WindowWin32 windows;
  EXPECT_EQ(windows.GetWindowText(0), u"");
  EXPECT_EQ(windows.GetWindowClassName(0), u"");
  EXPECT_TRUE(windows.TrySetWindowText(0, u"x"));
  Helper helper(L"short-lived");
  const WindowHandle closed = helper.Handle();
  helper.Close();
  EXPECT_EQ(windows.GetWindowText(closed), u"");
  EXPECT_EQ(windows.GetWindowClassName(closed), u"");
  EXPECT_EQ(windows.GetWindowProcessId(closed), 0u);
  EXPECT_EQ(windows.GetWindowProcessId(0), 0u);
  EXPECT_NO_THROW(windows.SetWindowText(closed, u"x"));
}

TEST(WindowWin32, HungWindowDoesNotHoldTheWriter) {
  WindowWin32 windows;
  Helper hung(L"Занят");
  Helper other(L"Свободен");
  hung.Hang(4000);
  Sleep(100);  // let the helper enter its sleep
  const DWORD start = GetTickCount();
  EXPECT_FALSE(windows.TrySetWindowText(hung.Handle(), u"Занят [12:00:00]"));
  const DWORD waited = GetTickCount() - start;
  EXPECT_LT(waited, 2000u) << "the write waited " << waited << " ms";
  // Reading does not ask the hung thread either, and the title is as it was.
  EXPECT_EQ(windows.GetWindowText(hung.Handle()), u"Занят");
  // The writer goes on with another window.
  Settings settings{u"hh:nn:ss", u"[%time%]", 1000};
  const LocaleInfo locale = lartsen::testing::TestLocale();
  lartsen::testing::FakeClock clock;
  lartsen::testing::FakeMemory memory;
  TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, locale, clock, memory);
  TitleWriter writer(windows, formatter);
  writer.ApplyTitle(hung.Handle());
  EXPECT_EQ(writer.StampedTitle, u"Занят");  // what the window still shows
  writer.ApplyTitle(other.Handle());
  EXPECT_EQ(windows.GetWindowText(other.Handle()), u"Свободен [12:00:00]");
  EXPECT_LT(GetTickCount() - start, 3000u);
  // When the helper wakes, a write that gave up may still arrive late: the writer must not take
  // its own late stamp for a title the application set.
  Sleep(4500);
  writer.ApplyTitle(hung.Handle());
  EXPECT_EQ(writer.OriginalTitle, u"Занят");
  EXPECT_EQ(windows.GetWindowText(hung.Handle()), u"Занят [12:00:00]");
  EXPECT_EQ(windows.GetWindowText(other.Handle()), u"Свободен");
}

TEST(TitleWriterWin32, StampsRefreshesMovesAndRestoresRealWindows) {
  WindowWin32 windows;
  Helper w(L"Документ — Редактор");
  Helper v(L"Second window");
  Settings settings{u"hh:nn:ss", u"[%time%]", 1000};
  const LocaleInfo locale = lartsen::testing::TestLocale();
  lartsen::testing::FakeClock clock;
  clock.Moment = 0.5;
  lartsen::testing::FakeMemory memory;
  TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, locale, clock, memory);
  TitleWriter writer(windows, formatter);

  writer.ApplyTitle(w.Handle());
  EXPECT_EQ(windows.GetWindowText(w.Handle()), u"Документ — Редактор [12:00:00]");
  clock.Moment = 0.5 + 1 / 86400.0;
  writer.ApplyTitle(w.Handle());
  EXPECT_EQ(windows.GetWindowText(w.Handle()), u"Документ — Редактор [12:00:01]");

  writer.ApplyTitle(v.Handle());
  EXPECT_EQ(windows.GetWindowText(w.Handle()), u"Документ — Редактор");
  EXPECT_EQ(windows.GetWindowText(v.Handle()), u"Second window [12:00:01]");

  // The helper retitles itself: adopted as the own title at the next call.
  const std::u16string retitled = v.Retitle(7);
  writer.ApplyTitle(v.Handle());
  EXPECT_EQ(writer.OriginalTitle, retitled);
  EXPECT_EQ(windows.GetWindowText(v.Handle()), retitled + u" [12:00:01]");

  writer.ApplyTitle(0);
  EXPECT_EQ(windows.GetWindowText(v.Handle()), retitled);
  EXPECT_EQ(windows.GetWindowText(w.Handle()), u"Документ — Редактор");
}

TEST(MemoryWin32, ReadsTheMachineAndFormatsSizes) {
  MemoryWin32 memory;
  const MemoryStatus s = memory.GlobalMemoryStatus();
  EXPECT_GT(s.TotalPhys, 0);
  EXPECT_LE(s.AvailPhys, s.TotalPhys);
  EXPECT_GE(s.MemoryLoad, 0);
  EXPECT_LE(s.MemoryLoad, 100);
  EXPECT_GT(s.TotalVirtual, 0);
  // The shell's own text for the same count: the same unit word and decimal separator, and the
  // same number but for the last digit (the shell may round where the text cuts).
  for (LONGLONG count : {100LL, 1536LL, 123456789LL, 1536LL << 20, 5LL << 40, 7LL << 50}) {
    wchar_t direct[64] = {};
    StrFormatByteSizeW(count, direct, 64);
    const std::u16string shell = U16(direct);
    const std::u16string ours = memory.FormatByteSize(static_cast<double>(count));
    const std::size_t shellWord = shell.find_last_of(u"0123456789") + 1;
    const std::size_t ourWord = ours.find_last_of(u"0123456789") + 1;
    ASSERT_EQ(ours.substr(ourWord), shell.substr(shellWord)) << count;
    // Digits and separator alike; only the last digit may differ, by one.
    ASSERT_EQ(ours.substr(0, ourWord - 1), shell.substr(0, shellWord - 1)) << count;
    const int lastDigitGap = ours[ourWord - 1] - shell[shellWord - 1];
    EXPECT_TRUE(lastDigitGap == 0 || lastDigitGap == -1) << count;
  }
  const std::u16string negative = memory.FormatByteSize(-2048);
  EXPECT_EQ(negative.substr(0, 1), u"-");
  EXPECT_EQ(negative.substr(1), memory.FormatByteSize(2048));
}

}  // namespace
}  // namespace lartsen::win32
