// Nested directory creation on a real disk: Cyrillic names, long paths, the single-byte route.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "fsutil/complex_directory.h"
#include "platform/win32/app/environment_win32.h"
#include "platform/win32/ui/ansi_text.h"
#include "platform/win32/ui/file_system_win32.h"
#include "platform/win32/ui/shell_win32.h"
#include "support/testing/fake_host.h"
#include "support/text.h"

namespace lartsen::win32 {
namespace {

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW((L"\\\\?\\" + path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class DirectoryOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 3u);
    root = std::wstring(temp) + L"lartsen-dirs-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root.c_str(), nullptr);
  }
  void TearDown() override { RemoveTree(L"\\\\?\\" + root); }

  // Removes the test's own folder through long-path names. The shell's recursive delete is
  // not used: under the compatibility layer it loses its way on paths beyond MAX_PATH and
  // deletes the current directory instead.
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path);
        } else {
          DeleteFileW(path.c_str());
        }
      } while (FindNextFileW(find, &entry));
      FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
  }

  FileSystem fs;
  FakeHost host;  // an NT host: the wide route unless a call asks for the single-byte one
  EnvironmentWin32 environment;  // the program's own absolute forms (GetFullPathNameW)
  ComplexDirectory dirs{fs, host, environment};
  std::wstring root;
};

TEST_F(DirectoryOnDisk, CyrillicFoldersAreCreatedThroughTheWideRoute) {
  const std::wstring target = root + L"\\Nerrowind\\Ларцен";
  EXPECT_TRUE(dirs.CreateComplexDirectory(U16(root + L"/Nerrowind//Ларцен/"), true));
  EXPECT_TRUE(IsDirectory(target));
  // A second call finds everything in place.
  EXPECT_TRUE(dirs.CreateComplexDirectory(U16(target), true));
}

TEST_F(DirectoryOnDisk, PathsBeyondTheOldLengthLimitWork) {
  std::wstring target = root;
  while (target.size() < 400) target += L"\\каталог-с-длинным-именем";
  ASSERT_TRUE(dirs.CreateComplexDirectory(U16(target), true));
  EXPECT_TRUE(IsDirectory(target));
}

TEST_F(DirectoryOnDisk, AFileInThePathStopsTheWalk) {
  const std::wstring file = root + L"\\file";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_FALSE(dirs.CreateComplexDirectory(U16(file + L"\\below"), true));
  EXPECT_FALSE(dirs.CreateComplexDirectory(U16(file + L"\\below"), false));
}

TEST_F(DirectoryOnDisk, SingleByteRouteRefusesNamesTheCodePageCannotHold) {
  const std::wstring plain = root + L"\\plain\\sub";
  EXPECT_TRUE(dirs.CreateComplexDirectory(U16(plain), false));
  EXPECT_TRUE(IsDirectory(plain));
  const std::wstring greek = root + L"\\αβγ";
  const bool representable = ToAnsi(U16(greek)).has_value();
  EXPECT_EQ(dirs.CreateComplexDirectory(U16(greek), false), representable);
  // Never a look-alike folder made of replacement characters.
  EXPECT_EQ(IsDirectory(root + L"\\???"), false);
}

TEST_F(DirectoryOnDisk, NothingAndDriveRootsAreRefusedWithoutAnError) {
  wchar_t current[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, current), 2u);
  const std::u16string drive(current, current + 2);  // "C:"
  for (const std::u16string& path : {std::u16string(), drive, drive + u"\\", drive + u"/",
                                     drive + u"\\\\", drive + u"\\..", std::u16string(u"\\"),
                                     std::u16string(u"/")}) {
    bool created = true;
    EXPECT_NO_THROW(created = dirs.CreateComplexDirectory(path, true)) << ToUtf8(path);
    EXPECT_FALSE(created) << ToUtf8(path);
  }
}

TEST_F(DirectoryOnDisk, RelativePathsResolveAgainstTheCurrentFolder) {
  wchar_t previous[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryW(root.c_str()));
  const bool created = dirs.CreateComplexDirectory(u"rel/sub/", true);
  SetCurrentDirectoryW(previous);
  EXPECT_TRUE(created);
  EXPECT_TRUE(IsDirectory(root + L"\\rel\\sub"));
}

TEST(ShellWin32, AMissingDocumentIsReportedAsNotOpened) {
  Shell shell;
  EXPECT_FALSE(shell.OpenDocument(0, u"C:\\no-such-folder-lartsen\\Conditions.INI", u""));
  EXPECT_FALSE(shell.OpenDocument(0, u"C:\\no-such-folder-lartsen\\Ларцен.INI", u"C:\\no-such-folder-lartsen"));
}

}  // namespace
}  // namespace lartsen::win32
