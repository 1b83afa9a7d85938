// Registry settings store, Run-key autostart and the single-instance mutex on a real registry.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "platform/win32/app/auto_start_win32.h"
#include "platform/win32/app/com_apartment.h"
#include "platform/win32/app/registry_settings_store.h"
#include "platform/win32/app/single_instance.h"
#include "platform/win32/win_text.h"
#include "support/error.h"

namespace lartsen::win32 {
namespace {

// A key of its own per test process, removed afterwards.
class ScratchKey : public testing::Test {
 protected:
  std::u16string path = u"Software\\Nerrowind\\LartsenTest" +
                        Utf16(std::to_wstring(GetCurrentProcessId()));
  void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, Wide(path).c_str()); }
  void RawWrite(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
};

using RegistryStoreTest = ScratchKey;
using AutoStartTest = ScratchKey;

TEST_F(RegistryStoreTest, MissingKeyOrValueGivesDefault) {
  RegistrySettingsStore store(path);
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", u"Time Format", SettingKind::Text,
                                                       std::u16string(u"ttttt"))), u"ttttt");
  store.WriteSetting(u"", u"Tittle Pattern", SettingKind::Text, std::u16string(u"x"));
  EXPECT_EQ(std::get<std::int32_t>(store.ReadSetting(u"", u"Refresh Rate", SettingKind::Number,
                                                     std::int32_t{1000})), 1000);
}

TEST_F(RegistryStoreTest, ValuesComeBackUnderSectionKeyAndKind) {
  RegistrySettingsStore store(path);
  store.WriteSetting(u"", u"Tittle Pattern", SettingKind::Text, std::u16string(u"[%time%] Ларцен"));
  store.WriteSetting(u"", u"Refresh Rate", SettingKind::Number, std::int32_t{-7});
  store.WriteSetting(u"Other", u"Refresh Rate", SettingKind::Number, std::int32_t{5});
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", u"Tittle Pattern", SettingKind::Text, {})),
            u"[%time%] Ларцен");
  EXPECT_EQ(std::get<std::int32_t>(store.ReadSetting(u"", u"Refresh Rate", SettingKind::Number, {})), -7);
  EXPECT_EQ(std::get<std::int32_t>(store.ReadSetting(u"Other", u"Refresh Rate", SettingKind::Number, {})), 5);

  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  DWORD type = 0;
  RegQueryValueExW(key, L"Refresh Rate", nullptr, &type, nullptr, nullptr);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  RegQueryValueExW(key, L"Tittle Pattern", nullptr, &type, nullptr, nullptr);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  RegCloseKey(key);
}

TEST_F(RegistryStoreTest, ValueOfAnotherTypeIsAFailedReadButANumberMayBeText) {
  const wchar_t text[] = L"500";
  RawWrite(L"Refresh Rate", REG_SZ, text, sizeof text);
  DWORD number = 5;
  RawWrite(L"Time Format", REG_DWORD, &number, sizeof number);
  const wchar_t binary[] = L"hh";
  RawWrite(L"Tittle Pattern", REG_BINARY, binary, sizeof binary);
  RegistrySettingsStore store(path);
  // Handed over as text; the loader reads the number in it.
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", u"Refresh Rate", SettingKind::Number,
                                                       std::int32_t{1000})), u"500");
  EXPECT_EQ(SettingToInt32(store.ReadSetting(u"", u"Refresh Rate", SettingKind::Number, {})), 500);
  EXPECT_THROW(store.ReadSetting(u"", u"Time Format", SettingKind::Text, std::u16string()), Error);
  EXPECT_THROW(store.ReadSetting(u"", u"Tittle Pattern", SettingKind::Number, std::int32_t{1}), Error);
}

TEST_F(RegistryStoreTest, TextFarBeyondAnySettingIsAFailedRead) {
  const std::wstring huge(200000, L'h');  // 400,000 bytes
  RawWrite(L"Time Format", REG_SZ, huge.c_str(), static_cast<DWORD>((huge.size() + 1) * sizeof(wchar_t)));
  RegistrySettingsStore store(path);
  EXPECT_THROW(store.ReadSetting(u"", u"Time Format", SettingKind::Text, std::u16string()), Error);
}

TEST_F(RegistryStoreTest, TextWithoutTerminatorIsReadWhole) {
  const wchar_t text[] = {L'h', L'h', L':', L'n', L'n'};
  RawWrite(L"Time Format", REG_SZ, text, sizeof text);
  RegistrySettingsStore store(path);
  EXPECT_EQ(std::get<std::u16string>(store.ReadSetting(u"", u"Time Format", SettingKind::Text, {})), u"hh:nn");
}

TEST_F(RegistryStoreTest, ARefusedWriteNamesTheKeyInFullAndTheReason) {
  // A key name longer than the registry takes: the write is refused.
  const std::u16string section(300, u'k');
  RegistrySettingsStore store(path);
  try {
    store.WriteSetting(section, u"Refresh Rate", SettingKind::Number, std::int32_t{5});
    ADD_FAILURE() << "the write was taken";
  } catch (const Error& error) {
    const std::u16string where = u"HKEY_CURRENT_USER\\" + path + u"\\" + section + u"\\Refresh Rate: ";
    EXPECT_EQ(error.description().compare(0, where.size(), where), 0);
    EXPECT_GT(error.description().size(), where.size());  // the system's reason follows
  }
}

TEST_F(AutoStartTest, EnableWritesQuotedPathAndDisableRemovesIt) {
  RegistryAutoStart autoStart(u"C:\\Program Files\\Ларцен\\Lartsen.exe", path);
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(u"{key}"));
  autoStart.DisableAutoStart(u"{key}");  // nothing to remove is fine
  autoStart.EnableAutoStart(u"{key}");
  EXPECT_TRUE(autoStart.IsAutoStartEnabled(u"{key}"));
  RegistrySettingsStore raw(path);
  EXPECT_EQ(std::get<std::u16string>(raw.ReadSetting(u"", u"{key}", SettingKind::Text, {})),
            u"\"C:\\Program Files\\Ларцен\\Lartsen.exe\"");
  autoStart.DisableAutoStart(u"{key}");
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(u"{key}"));
}

TEST_F(AutoStartTest, OnlyAnEntryNamingThisProgramCountsAndEnablingRepairsAMovedOne) {
  RegistryAutoStart autoStart(u"C:\\Program Files\\Ларцен\\Lartsen.exe", path);
  auto write = [&](const std::wstring& command) {
    RawWrite(L"{key}", REG_SZ, command.c_str(), static_cast<DWORD>((command.size() + 1) * 2));
  };
  write(L"\"C:\\Old Place\\Lartsen.exe\"");  // a copy that has since moved
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(u"{key}"));
  autoStart.EnableAutoStart(u"{key}");
  EXPECT_TRUE(autoStart.IsAutoStartEnabled(u"{key}"));
  write(L"c:\\program files\\ЛАРЦЕН\\LARTSEN.EXE");  // unquoted, another letter case
  EXPECT_TRUE(autoStart.IsAutoStartEnabled(u"{key}"));
  write(L"  \"C:\\Program Files\\Ларцен\\Lartsen.exe\" /quiet");
  EXPECT_TRUE(autoStart.IsAutoStartEnabled(u"{key}"));
  write(L"\"C:\\Program Files\\Ларцен\\Lartsen.exe.bak\"");
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(u"{key}"));
  const DWORD number = 1;
  RawWrite(L"{key}", REG_DWORD, &number, sizeof number);
  EXPECT_FALSE(autoStart.IsAutoStartEnabled(u"{key}"));
}

TEST(SingleInstanceTest, SecondClaimFailsUntilTheFirstIsReleased) {
  std::u16string key = u"LartsenTest" + Utf16(std::to_wstring(GetCurrentProcessId()));
  SingleInstanceGuard first;
  SingleInstanceGuard second;
  EXPECT_TRUE(first.ClaimInstance(key));
  EXPECT_FALSE(second.ClaimInstance(key));
  first.Release();
  EXPECT_TRUE(second.ClaimInstance(key));
}

}  // namespace
}  // namespace lartsen::win32

namespace lartsen::win32 {
namespace {

// Runs on a thread of its own, so that the test runner's thread keeps its apartment state.
template <typename Body>
void OnFreshThread(Body body) {
  struct Call {
    static DWORD WINAPI Run(void* self) {
      (*static_cast<Body*>(self))();
      return 0;
    }
  };
  HANDLE thread = CreateThread(nullptr, 0, &Call::Run, &body, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
}

TEST(ComApartmentTest, TheThreadIsInASingleThreadedApartmentUntilTheOwnerGoes) {
  HRESULT inside = E_FAIL, after = E_FAIL, multi = E_FAIL;
  bool entered = false;
  OnFreshThread([&] {
    {
      const ComApartment apartment;
      entered = apartment.Entered();
      // Entering the same kind again is counted (S_FALSE); another kind is refused.
      inside = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      if (SUCCEEDED(inside)) CoUninitialize();
      multi = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
      if (SUCCEEDED(multi)) CoUninitialize();
    }
    // Left: the thread may now enter any kind.
    after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(after)) CoUninitialize();
  });
  EXPECT_TRUE(entered);
  EXPECT_EQ(inside, S_FALSE);
  EXPECT_EQ(multi, RPC_E_CHANGED_MODE);
  EXPECT_EQ(after, S_OK);
}

TEST(ComApartmentTest, AThreadInAnotherApartmentIsLeftAsItWas) {
  HRESULT after = E_FAIL;
  bool entered = true;
  OnFreshThread([&] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    { entered = ComApartment().Entered(); }
    after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);  // still in it: S_FALSE
    if (SUCCEEDED(after)) CoUninitialize();
    CoUninitialize();
  });
  EXPECT_FALSE(entered);
  EXPECT_EQ(after, S_FALSE);
}

}  // namespace
}  // namespace lartsen::win32
