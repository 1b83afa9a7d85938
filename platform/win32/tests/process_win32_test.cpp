// The process routes on a real second process: each route names the helper's executable,
// the snapshot route also in its single-byte form, and no route leaks a handle.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "platform/win32/host_win32.h"
#include "platform/win32/process_win32.h"
#include "process/window_process_path.h"
#include "support/paths.h"
#include "support/testing/fake_host.h"

namespace lartsen::win32 {
namespace {

constexpr char16_t kHelperName[] = u"engine_window_helper.exe";

// The helper program with its window, closed again when the test ends.
class HelperProcess {
 public:
  HelperProcess() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + reinterpret_cast<const wchar_t*>(kHelperName);
    title_ = L"helper of " + std::to_wstring(GetCurrentProcessId());
    std::wstring commandLine = L"\"" + path + L"\" \"" + title_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
      return;
    }
    WaitForInputIdle(info_.hProcess, 10000);
    for (int i = 0; i < 200 && !window_; ++i) {
      window_ = FindWindowW(L"LartsenEngineHelper", title_.c_str());
      if (!window_) Sleep(50);
    }
  }
  ~HelperProcess() {
    if (!info_.hProcess) return;
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  WindowHandle window() const { return reinterpret_cast<WindowHandle>(window_); }
  std::uint32_t id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
  std::wstring title_;
  HWND window_ = nullptr;
};

// The file-name part, compared without regard to letter case as Windows names files.
std::u16string FileNameLower(const std::u16string& path) {
  std::u16string name = FileNameOfPath(path);
  for (char16_t& c : name) c = static_cast<char16_t>(std::towlower(c));
  return name;
}

class ProcessWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    forced9x.win9x = true;
    ASSERT_NE(helper.window(), 0u) << "helper program did not show its window";
  }
  HelperProcess helper;
  HostWin32 realHost;
  FakeHost forced9x;  // reports the 9x family, to drive the snapshot route on an NT host
};

TEST_F(ProcessWin32Test, EachRouteNamesTheHelpersExecutable) {
  ProcessWin32 routes(realHost);
  ASSERT_EQ(routes.GetWindowThreadProcessId(helper.window()), helper.id());
  EXPECT_EQ(FileNameLower(routes.QueryFullProcessPath(helper.id())), kHelperName);
  EXPECT_EQ(FileNameLower(routes.GetProcessModulePath(helper.id())), kHelperName);
  EXPECT_EQ(FileNameLower(routes.GetProcessPath9x(helper.id())), kHelperName);  // wide records

  ProcessWin32 singleByte(forced9x);
  EXPECT_EQ(FileNameLower(singleByte.GetProcessPath9x(helper.id())), kHelperName);
}

TEST_F(ProcessWin32Test, WindowProcessPathOnTheNtAndTheForcedSnapshotRoute) {
  ProcessWin32 routes(realHost);
  WindowProcessPath nt(routes, realHost);
  std::uint32_t processId = 0;
  EXPECT_EQ(FileNameLower(nt.GetWindowProcessPath(helper.window(), processId)), kHelperName);
  EXPECT_EQ(processId, helper.id());
  EXPECT_TRUE(nt.DebugPrivilegeEnabled);

  ProcessWin32 snapshotRoutes(forced9x);
  WindowProcessPath snapshot(snapshotRoutes, forced9x);
  processId = 0;
  EXPECT_EQ(FileNameLower(snapshot.GetWindowProcessPath(helper.window(), processId)), kHelperName);
}

TEST_F(ProcessWin32Test, UnknownProcessesGiveEmptyPaths) {
  ProcessWin32 routes(realHost);
  EXPECT_EQ(routes.GetWindowThreadProcessId(0), 0u);
  // Process ids are multiples of four; this one is never handed out.
  constexpr std::uint32_t kNoProcess = 0xFFFFFFF1u;
  EXPECT_EQ(routes.QueryFullProcessPath(kNoProcess), u"");
  EXPECT_EQ(routes.GetProcessModulePath(kNoProcess), u"");
  EXPECT_EQ(routes.GetProcessPath9x(kNoProcess), u"");
  ProcessWin32 singleByte(forced9x);
  EXPECT_EQ(singleByte.GetProcessPath9x(kNoProcess), u"");

  std::uint32_t processId = 99;
  WindowProcessPath finder(routes, realHost);
  EXPECT_EQ(finder.GetWindowProcessPath(0, processId), u"");
  EXPECT_EQ(processId, 0u);
}

// The value a new handle gets next; it differs when a handle was left open in between,
// since freed handle slots are handed out again first.
HANDLE NextHandleValue() {
  HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(probe);
  return probe;
}

TEST_F(ProcessWin32Test, RoutesCloseEveryHandleTheyOpen) {
  ProcessWin32 routes(realHost), singleByte(forced9x);
  const auto everyRoute = [&] {
    routes.QueryFullProcessPath(helper.id());
    routes.GetProcessModulePath(helper.id());
    routes.GetProcessPath9x(helper.id());
    singleByte.GetProcessPath9x(helper.id());
    routes.QueryFullProcessPath(0xFFFFFFF1u);
    routes.GetProcessModulePath(0xFFFFFFF1u);
    routes.GetProcessPath9x(0xFFFFFFF1u);
  };
  everyRoute();  // first calls bind their entry points and load psapi for the run
  const HANDLE before = NextHandleValue();
  for (int i = 0; i < 5; ++i) {
    everyRoute();
    EXPECT_EQ(NextHandleValue(), before) << "round " << i;
  }
}

}  // namespace
}  // namespace lartsen::win32
