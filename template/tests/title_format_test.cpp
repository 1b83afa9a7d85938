// Template expansion: placeholder order and case, chained expansion, Null arguments, failures.
#include <gtest/gtest.h>

#include "support/error.h"
#include "template/testing/title_fakes.h"
#include "template/title_format.h"

namespace lartsen {
namespace {

using testing::FakeClock;
using testing::FakeMemory;

class TitleFormatTest : public ::testing::Test {
 protected:
  std::u16string Format(std::u16string pattern, double moment = 0.25,
                        std::u16string format = u"hh:nn:ss") {
    return formatter.FormatTitle(pattern, moment, format);
  }
  std::u16string storedPattern = u"[%time%]";
  std::u16string storedFormat = u"hh:nn:ss";
  LocaleInfo locale = testing::TestLocale(u",");
  FakeClock clock;
  FakeMemory memory;
  TitleFormatter formatter{storedPattern, storedFormat, locale, clock, memory};
};

TEST_F(TitleFormatTest, EveryPlaceholderInTableOrderAndAnyLetterCase) {
  // Status: load 43, phys 8000/3000, page 20000/12000, virtual 4000/1000, extended 0.
  EXPECT_EQ(Format(u"[%time%]"), u"[06:00:00]");
  EXPECT_EQ(Format(u"%MemoryLoadPercent%/%MemoryAvailPercent%"), u"43/57");
  EXPECT_EQ(Format(u"%FREEPHYSICAL% %usedphysical% %TotalPhysical%"), u"3000 5000 8000");
  EXPECT_EQ(Format(u"%FreePageFile% %UsedPageFile% %TotalPageFile%"), u"12000 8000 20000");
  EXPECT_EQ(Format(u"%FreeVirtual% %UsedVirtual% %FreeExtendedVirtual% %TotalVirtual%"),
            u"1000 3000 0 4000");
  EXPECT_EQ(Format(u"%FreePhysical_fb%|%UsedPhysical_FB%|%TotalPhysical_fb%|%FreePageFile_fb%|"
                   u"%UsedPageFile_fb%|%TotalPageFile_fb%|%FreeVirtual_fb%|%UsedVirtual_fb%|"
                   u"%FreeExtendedVirtual_fb%|%TotalVirtual_fb%"),
            u"3000b|5000b|8000b|12000b|8000b|20000b|1000b|3000b|0b|4000b");
  EXPECT_EQ(Format(u"%Time% %TIME% %tImE%"), u"06:00:00 06:00:00 06:00:00");
}

TEST_F(TitleFormatTest, ShortNameDoesNotMatchInsideTheSizeTextName) {
  EXPECT_EQ(Format(u"%FreePhysical% = %FreePhysical_fb%"), u"3000 = 3000b");
}

TEST_F(TitleFormatTest, NumberTextUsesTheLocaleSeparatorAndExponentForm) {
  memory.Status.TotalPhys = 2e15;
  memory.Status.AvailPhys = 0.5;
  EXPECT_EQ(Format(u"%FreePhysical%|%TotalPhysical%"), u"0,5|2E+15");
}

TEST_F(TitleFormatTest, UnknownNamesLonePercentAndUnterminatedNamesStayUntouched) {
  // Letters outside ASCII never fold onto a name (LONG S, KELVIN SIGN).
  for (const std::u16string text :
       {u"%date% 100% %time %time", u"", u"no placeholders", u"%UUſedPhysical% %TotalPhyſical%"}) {
    EXPECT_EQ(Format(text), text);
  }
  EXPECT_EQ(Format(u"%%time%%"), u"%06:00:00%");
}

TEST_F(TitleFormatTest, TextInsertedByAStepIsSearchedByLaterStepsOnly) {
  // The time text spells a memory placeholder: a later step expands it.
  EXPECT_EQ(Format(u"[%time%]", 0.25, u"\"%TotalPhysical%\""), u"[8000]");
  // The time text spells the time placeholder: its own step does not search it again.
  EXPECT_EQ(Format(u"[%time%]", 0.25, u"\"%time%\""), u"[%time%]");
  // Two halves joined by an earlier replacement form a later placeholder.
  EXPECT_EQ(Format(u"%Total%time%", 0.25, u"\"Physical%\""), u"8000");
}

TEST_F(TitleFormatTest, NullArgumentsTakeStoredSettingsAndTheClock) {
  clock.Moment = 45000.75;  // 18:00:00
  EXPECT_EQ(formatter.FormatTitle(std::nullopt, std::nullopt, std::nullopt), u"[18:00:00]");
  EXPECT_EQ(clock.Reads, 1);
  EXPECT_EQ(formatter.FormatTitle(std::nullopt, 0.5, std::nullopt), u"[12:00:00]");
  EXPECT_EQ(formatter.FormatTitle(std::nullopt, std::nullopt, u"ttttt"), u"[18:00:00]");
  EXPECT_EQ(formatter.FormatTitle(u"<%time%>", std::nullopt, std::nullopt), u"<18:00:00>");
  EXPECT_EQ(formatter.FormatTitle(u"<%time%>", 0.25, u"\"x\""), u"<x>");
  EXPECT_EQ(clock.Reads, 3);  // only the calls without a moment read the clock
  storedPattern = u"(%time%)";
  storedFormat = u"\"stored\"";
  EXPECT_EQ(formatter.FormatTitle(std::nullopt, 0.5, std::nullopt), u"(stored)");
}

TEST_F(TitleFormatTest, TheClockShowsTheSecondAndDateOfTheMomentNeverTheNext) {
  const double almostASecond = 0.999 / 86400;
  clock.Moment = CivilToOleDate(2023, 3, 15, 14, 5, 9) + almostASecond;
  EXPECT_EQ(formatter.FormatTitle(std::nullopt, std::nullopt, std::nullopt), u"[14:05:09]");
  clock.Moment = CivilToOleDate(2023, 12, 31, 23, 59, 59) + almostASecond;
  EXPECT_EQ(formatter.FormatTitle(u"%time%", std::nullopt, u"yyyy-mm-dd hh:nn:ss"),
            u"2023-12-31 23:59:59");
  // Before 1899 the time of day counts the other way in the fraction; still cut, not rounded.
  clock.Moment = CivilToOleDate(1899, 12, 29, 23, 59, 59) - almostASecond;
  EXPECT_EQ(formatter.FormatTitle(u"%time%", std::nullopt, u"d hh:nn:ss"), u"29 23:59:59");
  // A reading a hair below a whole second through the binary fraction is that second.
  clock.Moment = CivilToOleDate(2023, 3, 15, 14, 5, 10) - 1e-12;
  EXPECT_EQ(formatter.FormatTitle(u"%time%", std::nullopt, std::nullopt), u"14:05:10");
}

TEST_F(TitleFormatTest, ALocaleChangedInPlaceShowsAtTheNextCall) {
  EXPECT_EQ(Format(u"%time%", 0.25, u"ttttt"), u"06:00:00");
  locale.LongTime = [](const CivilDateTime& c) {
    std::u16string text = u"h";
    text += static_cast<char16_t>(u'0' + c.Hour % 10);
    return text;
  };
  formatter.LocaleChanged();
  EXPECT_EQ(Format(u"%time%", 0.25, u"ttttt"), u"h6");
}

TEST_F(TitleFormatTest, MemoryIsReadOnlyWhenATemplateMayHoldItsPlaceholdersThenAllInOrder) {
  Format(u"plain [%time%]");
  EXPECT_TRUE(memory.Calls.empty());
  // The program's own stamp from the clock alone can change only with the second.
  formatter.FormatTitle(std::nullopt, std::nullopt, std::nullopt);
  EXPECT_TRUE(formatter.FollowsOnlyTheClock());
  EXPECT_TRUE(memory.Calls.empty());
  Format(u"100%");  // a '%' may begin a memory placeholder: read as before
  EXPECT_FALSE(formatter.FollowsOnlyTheClock());
  const std::vector<std::u16string> expected = {
      u"status",     u"size 3000", u"size 5000", u"size 8000", u"size 12000", u"size 8000",
      u"size 20000", u"size 1000", u"size 3000", u"size 0",    u"size 4000"};
  EXPECT_EQ(memory.Calls, expected);
}

TEST_F(TitleFormatTest, TimeFailureComesBeforeTheMemoryRead) {
  EXPECT_THROW(Format(u"[%time%]", 1e9), Error);  // moment out of range
  try {
    Format(u"[%time%]", 0.25, u"0.00");  // a number format is no time format
    FAIL();
  } catch (const Error& e) {
    EXPECT_LT(e.status(), 0);
  }
  EXPECT_TRUE(memory.Calls.empty());
}

TEST_F(TitleFormatTest, AStampBeyondItsBoundFailsAsTooLong) {
  auto statusOf = [&](const std::u16string& pattern, const std::u16string& format) {
    try {
      formatter.FormatTitle(pattern, 0.25, format);
      return std::int32_t{0};
    } catch (const Error& e) {
      return e.status();
    }
  };
  std::u16string times;
  for (int i = 0; i < 5000; ++i) times += u"%time%";
  EXPECT_EQ(statusOf(times, std::u16string(30000, u'c')), status::kTooLong);
  EXPECT_EQ(statusOf(times, u"hh"), status::kTooLong);             // grows pass by pass
  EXPECT_EQ(statusOf(std::u16string(4097, u'x'), u"hh"), status::kTooLong);  // no placeholder
  // Long names with short values shrink the text: only the result counts.
  std::u16string loads;
  for (int i = 0; i < 300; ++i) loads += u"%MemoryLoadPercent%";
  EXPECT_EQ(Format(loads).size(), 600u);
  EXPECT_EQ(Format(std::u16string(4096, u'x')).size(), 4096u);
}

TEST_F(TitleFormatTest, MemoryAndSizeTextFailuresPropagateWithTheirStatus) {
  memory.FailStatus = true;
  EXPECT_EQ(Format(u"x"), u"x");  // nothing to read the memory for
  try {
    Format(u"x %usedphysical%");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.status(), status::kFail);
  }
  memory.FailStatus = false;
  memory.FailSizeAt = 4;
  try {
    Format(u"x %usedphysical%");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.status(), status::kOutOfMemory);
  }
  EXPECT_EQ(memory.SizeCalls, 4);  // the first failure ends the call
}

TEST_F(TitleFormatTest, RepeatedCallsGiveFreshTextsWhateverCameBefore) {
  // Calls within one second, then across seconds, formats and a failing format: each result is
  // what a first call would give.
  const double second = 1.0 / 86400;
  EXPECT_EQ(Format(u"%time%", 0.25), u"06:00:00");
  EXPECT_EQ(Format(u"%time%", 0.25 + 0.4 * second), u"06:00:00");
  EXPECT_EQ(Format(u"%time%", 0.25 + 0.6 * second), u"06:00:01");  // rounded to the second
  EXPECT_EQ(Format(u"%time%", 0.25 + 0.6 * second, u"hh-nn"), u"06-00");
  EXPECT_EQ(Format(u"%time%", 1.25 + 0.6 * second, u"hh-nn d"), u"06-00 31");  // next day
  EXPECT_THROW(Format(u"%time%", 1.25 + 0.6 * second, u"0.00"), Error);  // a number format
  EXPECT_EQ(Format(u"%time%", 1.25 + 0.6 * second, u"hh-nn d"), u"06-00 31");
  EXPECT_THROW(Format(u"%time%", 1e9), Error);  // out of range, every time
  EXPECT_THROW(Format(u"%time%", 1e9), Error);
  EXPECT_EQ(Format(u"%time%", 0.25), u"06:00:00");
}

}  // namespace
}  // namespace lartsen
