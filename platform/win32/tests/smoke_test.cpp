// The compatibility layer runs real windows: a title written is read back exactly.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(CompatibilityLayer, WindowTitleRoundTrip) {
  HWND w = CreateWindowExW(0, L"STATIC", L"start", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  const std::wstring title = L"Ларцен [12:00:00]";
  ASSERT_TRUE(SetWindowTextW(w, title.c_str()));
  wchar_t buffer[64] = {};
  GetWindowTextW(w, buffer, 64);
  EXPECT_EQ(title, buffer);
  DestroyWindow(w);
}
