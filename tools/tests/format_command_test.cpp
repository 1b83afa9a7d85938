// lartsen-format's command line: options, moments and the exit code of a run.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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
  // After "--" nothing is an option, so a format or a moment may start with dashes.
  EXPECT_EQ(ParseFormatArguments({"h", "--", "--locale"}).Moments[0], "--locale");
  EXPECT_EQ(ParseFormatArguments({"--", "--h", "1"}).Format, u"--h");
  EXPECT_EQ(ParseFormatArguments({"", "1"}).Format, u"");
  EXPECT_EQ(ParseFormatArguments({"h", "-1.25"}).Moments[0], "-1.25");
}

TEST(FormatArguments, OptionsInAnyOrderAndPlace) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--template", "<%time%>", "--format", "hh", "--locale", "de-DE", "1"},
           {"--format", "hh", "--template", "<%time%>", "--locale", "de-DE", "1"},
           {"--locale=de-DE", "--format=hh", "1", "--template=<%time%>"},
           {"--template", "<%time%>", "hh", "1", "--locale", "de-DE"}}) {
    const FormatCommand c = ParseFormatArguments(args);
    EXPECT_EQ(c.Format, u"hh");
    EXPECT_EQ(c.Template, u"<%time%>");
    EXPECT_EQ(c.Locale, "de-DE");
    EXPECT_EQ(c.Moments, std::vector<std::string>{"1"});
  }
  // Help and version need nothing else and stop reading.
  EXPECT_TRUE(ParseFormatArguments({"--help"}).Help);
  EXPECT_TRUE(ParseFormatArguments({"h", "--help", "--tz"}).Help);
  EXPECT_TRUE(ParseFormatArguments({"--version"}).Version);
}

TEST(FormatArguments, ErrorsNameTheArgument) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{}, "формат"},
      {{"h"}, "момент"},
      {{"--locale"}, "--locale"},
      {{"h", "1", "--template"}, "--template"},
      {{"--locale", "fr-FR", "h", "1"}, "fr-FR"},
      {{"--tz", "h", "1"}, "--tz"},
      {{"hh", "--format", "mm", "1"}, "--format"}};
  for (const auto& [args, named] : bad) {
    try {
      ParseFormatArguments(args);
      ADD_FAILURE() << "accepted: " << named;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
    }
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

TEST(FormatRun, NowIsTheClocksCurrentSecondNeverTheNext) {
  class AlmostMidnight : public ClockPort {
   public:
    double Now() override { return CivilToOleDate(2023, 12, 31, 23, 59, 59) + 0.999 / 86400; }
  } clock;
  FormatCommand c;
  c.Format = u"yyyy-mm-dd hh:nn:ss";
  c.Moments = {"now"};
  std::string out, err;
  EXPECT_EQ(RunFormatCommand(c, BuiltinLocale("en-US"), out, err, &clock), 0);
  EXPECT_EQ(out, "2023-12-31 23:59:59\n");
  out.clear();
  EXPECT_EQ(RunFormatCommand(c, BuiltinLocale("en-US"), out, err), 1);  // no clock given
  EXPECT_NE(err.find("now"), std::string::npos);
}

}  // namespace
}  // namespace lartsen
