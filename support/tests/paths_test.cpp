// Path helpers: quotes, joining a folder and a name, and splitting a path into folder and name.
#include <gtest/gtest.h>

#include "support/paths.h"

namespace lartsen {
namespace {

TEST(Paths, TrimQuotesRemovesOneEnclosingPairOnly) {
  EXPECT_EQ(asTrimQuotes(u"\"C:\\Program Files\\a.ini\""), u"C:\\Program Files\\a.ini");
  EXPECT_EQ(asTrimQuotes(u"\"\"x\"\""), u"\"x\"");
  EXPECT_EQ(asTrimQuotes(u"\"\""), u"");
  EXPECT_EQ(asTrimQuotes(u"\""), u"\"");  // a lone quote is not a pair
  EXPECT_EQ(asTrimQuotes(u"\"open"), u"\"open");
  EXPECT_EQ(asTrimQuotes(u"Ларцен"), u"Ларцен");
}

TEST(Paths, BuildFileNameJoinsWithExactlyOneBackslash) {
  EXPECT_EQ(asBuildFileName(u"C:\\Ларцен", u"Conditions.INI"), u"C:\\Ларцен\\Conditions.INI");
  EXPECT_EQ(asBuildFileName(u"C:\\Ларцен\\", u"Output\\Conditions.INI"),
            u"C:\\Ларцен\\Output\\Conditions.INI");
  EXPECT_EQ(asBuildFileName(u"C:\\", u"\\a.ini"), u"C:\\a.ini");
  EXPECT_EQ(asBuildFileName(u"", u"a.ini"), u"a.ini");
  EXPECT_EQ(asBuildFileName(u"\\\\server\\share", u"a.ini"), u"\\\\server\\share\\a.ini");
  EXPECT_EQ(asBuildFileName(u"/home/u/.config/", u"Nerrowind\\Ларцен\\Conditions.INI"),
            u"/home/u/.config/Nerrowind/Ларцен/Conditions.INI");
  EXPECT_EQ(asBuildFileName(u"/", u"a.ini"), u"/a.ini");
}

TEST(Paths, FileNameAndFolderOfAPath) {
  EXPECT_EQ(asGetFileName(u"C:\\Windows\\notepad.exe"), u"notepad.exe");
  EXPECT_EQ(asGetFileName(u"C:/tools/far.exe"), u"far.exe");
  EXPECT_EQ(asGetFileName(u"notepad.exe"), u"notepad.exe");
  EXPECT_EQ(asGetFileName(u"C:\\dir\\"), u"");
  EXPECT_EQ(asGetFileName(u"C:file.txt"), u"file.txt");  // drive-relative path

  EXPECT_EQ(asGetFilePath(u"C:\\Program Files\\Ларцен\\lartsen.exe"), u"C:\\Program Files\\Ларцен");
  EXPECT_EQ(asGetFilePath(u"C:\\lartsen.exe"), u"C:\\");
  EXPECT_EQ(asGetFilePath(u"\\\\server\\share\\a.ini"), u"\\\\server\\share");
  EXPECT_EQ(asGetFilePath(u"\\a.ini"), u"\\");  // the root of the current drive stays a root
  EXPECT_EQ(asGetFilePath(u"lartsen.exe"), u"");
}

}  // namespace
}  // namespace lartsen
