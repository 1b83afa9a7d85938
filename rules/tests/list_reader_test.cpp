// The list reader: encodings, line ends, trimming, comments and the size limit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "rules/list_reader.h"
#include "rules/portable_ansi.h"
#include "rules/stdio_file_reader.h"
#include "rules/testing/fake_files.h"
#include "support/text.h"

namespace lartsen {
namespace {

using Lines = std::vector<std::u16string>;

std::string Utf16Bytes(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t c : text) {
    const char hi = static_cast<char>(c >> 8);
    const char lo = static_cast<char>(c & 0xFF);
    bytes += big_endian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return bytes;
}

class ListReaderTest : public ::testing::Test {
 protected:
  std::optional<Lines> Read(const std::string& bytes) {
    files_.files[u"f.ini"] = bytes;
    return reader_.ReadList(u"f.ini", u";", true, true, 0, 0);
  }

  FakeFiles files_;
  PortableAnsiDecoder ansi_;
  ListReader reader_{files_, ansi_};
};

TEST_F(ListReaderTest, DecodesEveryEncoding) {
  const Lines expected{u"Блокнот", u"*.exe"};
  EXPECT_EQ(Read("\xEF\xBB\xBF" + ToUtf8(u"Блокнот\r\n*.exe")), expected);
  EXPECT_EQ(Read(ToUtf8(u"Блокнот\r\n*.exe")), expected);
  EXPECT_EQ(Read(Utf16Bytes(u"Блокнот\r\n*.exe", false)), expected);
  EXPECT_EQ(Read(Utf16Bytes(u"Блокнот\r\n*.exe", true)), expected);
  // Without the signature: the NULs beside the ASCII characters give UTF-16 and its byte order.
  EXPECT_EQ(Read(Utf16Bytes(u"Блокнот\r\n*.exe", false).substr(2)), expected);
  EXPECT_EQ(Read(Utf16Bytes(u"Блокнот\r\n*.exe", true).substr(2)), expected);
  EXPECT_EQ(Read("\xC1\xEB\xEE\xEA\xED\xEE\xF2\r\n*.exe"), expected);  // Windows-1251
  EXPECT_EQ(Read("\xA8\xB8\xB9"), (Lines{u"Ёё№"}));
}

TEST_F(ListReaderTest, SignatureOnlyOrEmptyFileGivesAnEmptyList) {
  EXPECT_EQ(Read(""), Lines{});
  EXPECT_EQ(Read("\xEF\xBB\xBF"), Lines{});
  EXPECT_EQ(Read("\xFF\xFE"), Lines{});
  EXPECT_EQ(Read("\r\n\r\n  \t\n"), Lines{});
}

TEST_F(ListReaderTest, OddUtf16TailBecomesReplacementCharacter) {
  EXPECT_EQ(Read(Utf16Bytes(u"ab", false) + "c"), (Lines{u"ab\uFFFD"}));
}

TEST_F(ListReaderTest, SplitsAtEveryLineEndAndTrimsBlanksAndTabs) {
  EXPECT_EQ(Read("a\r\nb\nc\rd\r\n\r\ne"), (Lines{u"a", u"b", u"c", u"d", u"e"}));
  EXPECT_EQ(Read("  \tTotal Commander \t \n\"  spaced  \""), (Lines{u"Total Commander", u"\"  spaced  \""}));
  EXPECT_EQ(Read("x\r\n"), (Lines{u"x"}));
}

TEST_F(ListReaderTest, SkipsCommentLinesOnly) {
  EXPECT_EQ(Read("; a comment\n  ;indented comment\nvalue;with;semicolons\n\"\"\n"),
            (Lines{u"value;with;semicolons", u"\"\""}));
}

TEST_F(ListReaderTest, MissingFileGivesNone) {
  EXPECT_EQ(reader_.ReadList(u"absent.ini"), std::nullopt);
}

TEST_F(ListReaderTest, OptionalArgumentsKeepOrDropLines) {
  files_.files[u"f.ini"] = " a \n\n;c\nb\nd\n";
  EXPECT_EQ(reader_.ReadList(u"f.ini", u"", false, false, 0, 0), (Lines{u" a ", u"", u";c", u"b", u"d"}));
  EXPECT_EQ(reader_.ReadList(u"f.ini", u";", true, true, 1, 1), (Lines{u"b"}));
}

std::u16string PathText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return FromUtf8(std::string(utf8.begin(), utf8.end()));
}

TEST(StdioFileReader, ReadsFilesAndRefusesThoseAboveFourMebibytes) {
  const auto folder = std::filesystem::temp_directory_path() / "lartsen_rules_reader_test";
  std::filesystem::create_directories(folder);
  const auto write = [&](const char* name, std::size_t size) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    return PathText(path);
  };
  StdioFileReader files;
  const auto at_limit = files.ReadFileBytes(write("limit.ini", kMaxListFileBytes));
  ASSERT_TRUE(at_limit.has_value());
  EXPECT_EQ(at_limit->size(), kMaxListFileBytes);
  EXPECT_EQ(files.ReadFileBytes(write("over.ini", kMaxListFileBytes + 1)), std::nullopt);
  EXPECT_EQ(files.ReadFileBytes(PathText(folder / "absent.ini")), std::nullopt);
  std::filesystem::remove_all(folder);
}

TEST(ListReaderLimit, BytesAboveTheLimitAreRefusedWhateverThePortDelivers) {
  FakeFiles files;
  files.files[u"big.ini"] = std::string(kMaxListFileBytes + 1, 'a');
  PortableAnsiDecoder ansi;
  EXPECT_EQ(ListReader(files, ansi).ReadList(u"big.ini"), std::nullopt);
}

}  // namespace
}  // namespace lartsen
