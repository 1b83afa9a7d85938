// Path helpers: quotes, joining a folder and a name, and splitting a path into folder and name.
#include <gtest/gtest.h>

#include "support/paths.h"

namespace lartsen {
namespace {

TEST(Paths, TrimQuotesRemovesOneEnclosingPairOnly) {
  EXPECT_EQ(TrimQuotes(u"\"C:\\Program Files\\a.ini\""), u"C:\\Program Files\\a.ini");
  EXPECT_EQ(TrimQuotes(u"\"\"x\"\""), u"\"x\"");
  EXPECT_EQ(TrimQuotes(u"\"\""), u"");
  EXPECT_EQ(TrimQuotes(u"\""), u"\"");  // a lone quote is not a pair
  EXPECT_EQ(TrimQuotes(u"\"open"), u"\"open");
  EXPECT_EQ(TrimQuotes(u"Ларцен"), u"Ларцен");
}

TEST(Paths, BuildFileNameJoinsWithExactlyOneBackslash) {
  EXPECT_EQ(JoinPath(u"C:\\Ларцен", u"Conditions.INI"), u"C:\\Ларцен\\Conditions.INI");
  EXPECT_EQ(JoinPath(u"C:\\Ларцен\\", u"Output\\Conditions.INI"),
            u"C:\\Ларцен\\Output\\Conditions.INI");
  EXPECT_EQ(JoinPath(u"C:\\", u"\\a.ini"), u"C:\\a.ini");
  EXPECT_EQ(JoinPath(u"", u"a.ini"), u"a.ini");
  EXPECT_EQ(JoinPath(u"\\\\server\\share", u"a.ini"), u"\\\\server\\share\\a.ini");
  EXPECT_EQ(JoinPath(u"/home/u/.config/", u"Nerrowind\\Ларцен\\Conditions.INI"),
            u"/home/u/.config/Nerrowind/Ларцен/Conditions.INI");
  EXPECT_EQ(JoinPath(u"/", u"a.ini"), u"/a.ini");
}

TEST(Paths, FileNameAndFolderOfAPath) {
  EXPECT_EQ(FileNameOfPath(u"C:\\Windows\\notepad.exe"), u"notepad.exe");
  EXPECT_EQ(FileNameOfPath(u"C:/tools/far.exe"), u"far.exe");
  EXPECT_EQ(FileNameOfPath(u"notepad.exe"), u"notepad.exe");
  EXPECT_EQ(FileNameOfPath(u"C:\\dir\\"), u"");
  EXPECT_EQ(FileNameOfPath(u"C:file.txt"), u"file.txt");  // drive-relative path

  EXPECT_EQ(FolderOfPath(u"C:\\Program Files\\Ларцен\\lartsen.exe"), u"C:\\Program Files\\Ларцен");
  EXPECT_EQ(FolderOfPath(u"C:\\lartsen.exe"), u"C:\\");
  EXPECT_EQ(FolderOfPath(u"\\\\server\\share\\a.ini"), u"\\\\server\\share");
  EXPECT_EQ(FolderOfPath(u"\\a.ini"), u"\\");  // the root of the current drive stays a root
  EXPECT_EQ(FolderOfPath(u"lartsen.exe"), u"");
}

}  // namespace
}  // namespace lartsen
