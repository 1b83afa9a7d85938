// Size texts: unit steps, the three cut digits, and the counts at the edges of the range.
#include "template/byte_size_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lartsen {
namespace {

std::u16string Size(double bytes, std::u16string_view separator = u",") {
  std::u16string text;
  AppendByteSizeText(text, bytes, separator, EnglishByteSizeUnits());
  return text;
}

TEST(ByteSizeText, StepsUpAUnitBeforeTheNumberReachesAThousand) {
  EXPECT_EQ(Size(0), u"0 bytes");
  EXPECT_EQ(Size(1023), u"1023 bytes");
  EXPECT_EQ(Size(1024), u"1,00 KB");
  EXPECT_EQ(Size(1536, u"."), u"1.50 KB");
  EXPECT_EQ(Size(999.0 * 1024 + 1023), u"999 KB");
  EXPECT_EQ(Size(1000.0 * 1024), u"0,97 MB");
  EXPECT_EQ(Size(1024.0 * 1024 * 15.39), u"15,3 MB");
  EXPECT_EQ(Size(1024.0 * 1024 * 1024 * 152.9), u"152 GB");
  EXPECT_EQ(Size(std::ldexp(1.5, 40)), u"1,50 TB");
  EXPECT_EQ(Size(std::ldexp(1.25, 50)), u"1,25 PB");
  EXPECT_EQ(Size(std::ldexp(3.0, 60)), u"3,00 EB");
}

TEST(ByteSizeText, DigitsAreCutExactlyAtEveryBoundary) {
  // 1,99 GB begins at the first whole byte count not below 1,99 * 2^30; the one before is 1,98.
  const double first = std::ceil(1.99 * 1073741824.0);
  EXPECT_EQ(Size(first), u"1,99 GB");
  EXPECT_EQ(Size(first - 1), u"1,98 GB");
  EXPECT_EQ(Size(1073741824.0 * 2 - 1), u"1,99 GB");  // never rounded up to 2,00
  EXPECT_EQ(Size(std::ceil(0.29 * 1048576.0)), u"296 KB");
  // In exabytes the digits come from counts far beyond 2^53 / 100.
  EXPECT_EQ(Size(std::ldexp(1.0, 62) + std::ldexp(1.0, 56)), u"4,06 EB");
}

TEST(ByteSizeText, OddCountsStillGiveAReadableText) {
  EXPECT_EQ(Size(-2048), u"-2,00 KB");
  EXPECT_EQ(Size(12.9), u"12 bytes");
  EXPECT_EQ(Size(std::numeric_limits<double>::quiet_NaN()), u"0 bytes");
  EXPECT_EQ(Size(1e300), u"7,99 EB");
  EXPECT_EQ(Size(-std::numeric_limits<double>::infinity()), u"-7,99 EB");
}

}  // namespace
}  // namespace lartsen
