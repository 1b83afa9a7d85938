// lartsen-format's command line: options, moments and the exit code of a run.
#include <gtest/gtest.h>

#include "support/error.h"
#include "support/ole_date.h"
#include "tools/format_command.h"

namespace lartsen {
namespace {

TEST(FormatArguments, OptionsFormatAndMoments) {
  FormatCommand c = ParseFormatArguments({"--locale", "ru-RU", "hh:nn", "1", "2"});
  EXPECT_EQ(c.Locale, "ru-RU");
  EXPECT_EQ(c.Format, u"hh:nn");
  EXPECT_EQ(c.Moments, (std::vector<std::string>{"1", "2"}));
  c = ParseFormatArguments({"Время", "0"});
  EXPECT_EQ(c.Locale, "en-US");
  EXPECT_EQ(c.Format, u"Время");
  // After the format, nothing is an option; "--" lets a format start with dashes.
  EXPECT_EQ(ParseFormatArguments({"h", "--locale"}).Moments[0], "--locale");
  EXPECT_EQ(ParseFormatArguments({"--", "--h", "1"}).Format, u"--h");
  EXPECT_EQ(ParseFormatArguments({"", "1"}).Format, u"");
  for (const auto& bad : std::vector<std::vector<std::string>>{
           {}, {"h"}, {"--locale"}, {"--locale", "fr-FR", "h", "1"}, {"--tz", "h", "1"}}) {
    EXPECT_THROW(ParseFormatArguments(bad), Error);
  }
}

TEST(FormatArguments, Moments) {
  EXPECT_DOUBLE_EQ(ParseMoment("2000-01-01T14:05:01"), CivilToOleDate(2000, 1, 1, 14, 5, 1));
  EXPECT_DOUBLE_EQ(ParseMoment("2000-01-01 14:05"), CivilToOleDate(2000, 1, 1, 14, 5, 0));
  EXPECT_DOUBLE_EQ(ParseMoment("0100-01-01"), kMinOleDate);
  EXPECT_DOUBLE_EQ(ParseMoment("100-01-01"), kMinOleDate);
  EXPECT_DOUBLE_EQ(ParseMoment("-1.25"), -1.25);
  EXPECT_DOUBLE_EQ(ParseMoment("36526.5"), 36526.5);
  EXPECT_DOUBLE_EQ(ParseMoment("1e3"), 1000.0);
  for (const char* bad : {"", "x", "1,5", "2000-1-01", "2000-01-01T", "2000-01-01T14",
                          "2000-02-30", "2000-01-01T24:00", "1.5x", "nan", "inf"}) {
    EXPECT_THROW(ParseMoment(bad), Error) << bad;
  }
}

TEST(FormatRun, PrintsGoodMomentsAndReportsBadOnes) {
  FormatCommand c;
  c.Format = u"yyyy-mm-dd hh:nn:ss";
  c.Moments = {"2000-01-01T14:05:01", "9999999", "bad", "0"};
  std::string out, err;
  EXPECT_EQ(RunFormatCommand(c, BuiltinLocale("en-US"), out, err), 1);
  EXPECT_EQ(out, "2000-01-01 14:05:01\n1899-12-30 00:00:00\n");
  EXPECT_NE(err.find("9999999: "), std::string::npos);
  EXPECT_NE(err.find("bad: "), std::string::npos);
  out.clear();
  err.clear();
  c.Moments = {"1"};
  EXPECT_EQ(RunFormatCommand(c, BuiltinLocale("en-US"), out, err), 0);
  EXPECT_TRUE(err.empty());
}

}  // namespace
}  // namespace lartsen
