// Number text of memory figures: plain digits, 15 significant digits, exponent form, separator.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "template/number_text.h"

namespace lartsen {
namespace {

TEST(NumberText, WholeNumbersArePlainDigitsWithoutGrouping) {
  EXPECT_EQ(NumberText(0, u"."), u"0");
  EXPECT_EQ(NumberText(-0.0, u"."), u"0");
  EXPECT_EQ(NumberText(43, u"."), u"43");
  EXPECT_EQ(NumberText(-1234567, u","), u"-1234567");
  EXPECT_EQ(NumberText(17179869184.0, u","), u"17179869184");
  EXPECT_EQ(NumberText(999999999999999.0, u"."), u"999999999999999");
}

TEST(NumberText, FromOneE15OnTheExponentFormWithFifteenDigits) {
  EXPECT_EQ(NumberText(1e15, u"."), u"1E+15");
  EXPECT_EQ(NumberText(-1e15, u"."), u"-1E+15");
  EXPECT_EQ(NumberText(1234567890123456.0, u"."), u"1.23456789012346E+15");
  EXPECT_EQ(NumberText(1234567890123456.0, u","), u"1,23456789012346E+15");
  EXPECT_EQ(NumberText(9007199254740992.0, u"."), u"9.00719925474099E+15");  // 2^53
  EXPECT_EQ(NumberText(1.5e100, u"."), u"1.5E+100");
  // Exact halves round away from zero, not to even.
  EXPECT_EQ(NumberText(1125899906842625.0, u"."), u"1.12589990684263E+15");
  EXPECT_EQ(NumberText(-1000000000000005.0, u"."), u"-1.00000000000001E+15");
  // Rounding to 15 digits can carry into the exponent form.
  EXPECT_EQ(NumberText(999999999999999.9, u"."), u"1E+15");
}

TEST(NumberText, FractionsRoundToFifteenSignificantDigits) {
  EXPECT_EQ(NumberText(0.5, u","), u"0,5");
  EXPECT_EQ(NumberText(-2.25, u"."), u"-2.25");
  EXPECT_EQ(NumberText(0.1 + 0.2, u"."), u"0.3");
  EXPECT_EQ(NumberText(1.0 / 3, u"."), u"0.333333333333333");
  EXPECT_EQ(NumberText(123456.7890123456, u"."), u"123456.789012346");
  EXPECT_EQ(NumberText(0.0001, u"."), u"0.0001");
  EXPECT_EQ(NumberText(0.00001, u"."), u"1E-05");
  EXPECT_EQ(NumberText(0.000001234, u"."), u"1.234E-06");
}

TEST(NumberText, DecimalDigitsCrossTheThirtyTwoBitLimitIntact) {
  const auto digits = [](std::uint64_t value, int minimum = 1) {
    std::u16string out;
    AppendDecimalDigits(out, value, minimum);
    return out;
  };
  EXPECT_EQ(digits(0), u"0");
  EXPECT_EQ(digits(7, 3), u"007");
  EXPECT_EQ(digits(4294967295u), u"4294967295");
  EXPECT_EQ(digits(4294967296u), u"4294967296");
  EXPECT_EQ(digits(10000000000000000001u), u"10000000000000000001");  // zeros inside a chunk
  EXPECT_EQ(digits(18446744073709551615u), u"18446744073709551615");
}

TEST(NumberText, AppendsAfterExistingText) {
  std::u16string out = u"x=";
  AppendNumberText(out, 12, u".");
  EXPECT_EQ(out, u"x=12");
}

}  // namespace
}  // namespace lartsen
