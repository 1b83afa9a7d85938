// Loading and saving the settings against an in-memory store.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "support/error.h"

namespace lartsen {
namespace {

struct FakeStore : SettingsStorePort {
  std::map<std::u16string, SettingValue>* values;
  std::vector<std::u16string>* writes;
  std::u16string failingKey;
  FakeStore(std::map<std::u16string, SettingValue>* v, std::vector<std::u16string>* w,
            std::u16string failing)
      : values(v), writes(w), failingKey(std::move(failing)) {}
  SettingValue ReadSetting(std::u16string_view section, std::u16string_view key, SettingKind,
                           const SettingValue& defaultValue) override {
    EXPECT_EQ(section, u"");
    if (key == failingKey) throw Error(status::kFail, u"read failed");
    auto found = values->find(std::u16string(key));
    return found == values->end() ? defaultValue : found->second;
  }
  void WriteSetting(std::u16string_view section, std::u16string_view key, SettingKind,
                    const SettingValue& value) override {
    EXPECT_EQ(section, u"");
    if (key == failingKey) throw Error(status::kFail, u"write failed");
    writes->push_back(std::u16string(key));
    (*values)[std::u16string(key)] = value;
  }
};

struct FakeTimer : RefreshTimerPort {
  std::vector<std::string> calls;
  void Disable() override { calls.push_back("disable"); }
  void SetInterval(std::int32_t ms) override { calls.push_back("interval " + std::to_string(ms)); }
  void Enable() override { calls.push_back("enable"); }
};

class SettingsStoreTest : public testing::Test {
 protected:
  std::map<std::u16string, SettingValue> stored;
  std::vector<std::u16string> writes;
  std::u16string failingKey;
  bool storeUnavailable = false;
  int storesOpened = 0;
  FakeTimer timer;
  Settings settings;

  SettingsStoreFactory Factory() {
    return [this]() -> std::unique_ptr<SettingsStorePort> {
      if (storeUnavailable) throw Error(status::kFail, u"no store");
      ++storesOpened;
      return std::make_unique<FakeStore>(&stored, &writes, failingKey);
    };
  }
  // Formats fail only for the text "bad".
  static void Trial(std::u16string_view format) {
    if (format == u"bad") throw Error(status::kInvalidArgument, u"bad format");
  }
  void Load() { LoadSettings(settings, Factory(), Trial, timer); }
  std::int32_t LoadRate(SettingValue rate) {
    stored[u"Refresh Rate"] = std::move(rate);
    Load();
    return settings.RefreshRate;
  }
};

TEST_F(SettingsStoreTest, EmptyStoreGivesDefaultsAndArmsTimer) {
  Load();
  EXPECT_EQ(settings.TimeFormat, u"ttttt");
  EXPECT_EQ(settings.TitlePattern, u"[%time%]");
  EXPECT_EQ(settings.RefreshRate, 1000);
  EXPECT_EQ(timer.calls, (std::vector<std::string>{"disable", "interval 1000", "enable"}));
  EXPECT_EQ(storesOpened, 1);
}

TEST_F(SettingsStoreTest, EveryLoadRestartsTimer) {
  Load();
  Load();
  EXPECT_EQ(timer.calls.size(), 6u);
  EXPECT_EQ(storesOpened, 2);
}

TEST_F(SettingsStoreTest, RatesInsideRangeAreKeptOthersGiveDefault) {
  EXPECT_EQ(LoadRate(std::int32_t{1}), 1);
  EXPECT_EQ(LoadRate(std::int32_t{60000}), 60000);
  EXPECT_EQ(LoadRate(std::int32_t{0}), 1000);
  EXPECT_EQ(LoadRate(std::int32_t{-5}), 1000);
  EXPECT_EQ(LoadRate(std::int32_t{60001}), 1000);
  EXPECT_EQ(timer.calls.back(), "enable");
  EXPECT_EQ(timer.calls[timer.calls.size() - 2], "interval 1000");
}

TEST_F(SettingsStoreTest, FractionalRatesRoundHalfToEven) {
  EXPECT_EQ(LoadRate(1.5), 2);
  EXPECT_EQ(LoadRate(2.5), 2);
  EXPECT_EQ(LoadRate(250.7), 251);
  EXPECT_EQ(LoadRate(std::u16string(u" 3.5 ")), 4);
  EXPECT_EQ(LoadRate(std::u16string(u"750")), 750);
  EXPECT_EQ(LoadRate(1e12), 750);  // too large for 32 bits: the previous value stays
}

TEST_F(SettingsStoreTest, RateTextWithoutNumberKeepsPreviousValue) {
  EXPECT_EQ(LoadRate(std::u16string(u"fast")), 1000);  // at start-up: 0, then the range rule
  settings.RefreshRate = 250;  // as the dialog's Ok leaves it
  EXPECT_EQ(LoadRate(std::u16string(u"fast")), 250);
  EXPECT_EQ(LoadRate(std::u16string(u"")), 250);
  EXPECT_EQ(LoadRate(std::u16string(u"inf")), 250);
}

TEST_F(SettingsStoreTest, UnusableTimeFormatFallsBackToLongTime) {
  stored[u"Time Format"] = std::u16string(u"bad");
  Load();
  EXPECT_EQ(settings.TimeFormat, u"ttttt");
  stored[u"Time Format"] = std::u16string(u"hh:nn");
  Load();
  EXPECT_EQ(settings.TimeFormat, u"hh:nn");
}

TEST_F(SettingsStoreTest, OverlongTextsFallBackToTheDefaults) {
  // A format beyond the bound is not even tried ("bad" would throw if it were).
  stored[u"Time Format"] = u"bad" + std::u16string(2048, u'h');
  stored[u"Tittle Pattern"] = std::u16string(2049, u'x');
  Load();
  EXPECT_EQ(settings.TimeFormat, u"ttttt");
  EXPECT_EQ(settings.TitlePattern, u"[%time%]");
  stored[u"Time Format"] = std::u16string(2048, u'h');
  stored[u"Tittle Pattern"] = std::u16string(2048, u'x');
  Load();
  EXPECT_EQ(settings.TimeFormat.size(), 2048u);
  EXPECT_EQ(settings.TitlePattern.size(), 2048u);
}

TEST_F(SettingsStoreTest, LanguageValueOverridesTheSystemsUnlessBlankOrUnknown) {
  EXPECT_EQ(ChooseUiLanguage(Factory(), UiLanguage::Russian), UiLanguage::Russian);
  stored[u"Language"] = std::u16string(u"en");
  EXPECT_EQ(ChooseUiLanguage(Factory(), UiLanguage::Russian), UiLanguage::English);
  stored[u"Language"] = std::u16string(u"ru");
  EXPECT_EQ(ChooseUiLanguage(Factory(), UiLanguage::English), UiLanguage::Russian);
  stored[u"Language"] = std::u16string(u"fr");
  EXPECT_EQ(ChooseUiLanguage(Factory(), UiLanguage::English), UiLanguage::English);
  failingKey = u"Language";
  EXPECT_EQ(ChooseUiLanguage(Factory(), UiLanguage::Russian), UiLanguage::Russian);
  storeUnavailable = true;
  EXPECT_EQ(ChooseUiLanguage(Factory(), UiLanguage::English), UiLanguage::English);
}

TEST_F(SettingsStoreTest, TemplateIsReadOnlyUnderItsOwnSpelling) {
  stored[u"Title Pattern"] = std::u16string(u"wrong key");
  stored[u"Tittle Pattern"] = std::u16string(u"<%time%>");
  Load();
  EXPECT_EQ(settings.TitlePattern, u"<%time%>");
}

TEST_F(SettingsStoreTest, FailingReadsSkipOnlyTheirOwnStep) {
  settings.TitlePattern = u"kept";
  settings.RefreshRate = 42;
  failingKey = u"Tittle Pattern";
  stored[u"Refresh Rate"] = std::int32_t{300};
  Load();
  EXPECT_EQ(settings.TitlePattern, u"kept");
  EXPECT_EQ(settings.RefreshRate, 300);

  failingKey = u"Time Format";
  stored[u"Time Format"] = std::u16string(u"hh");
  Load();
  EXPECT_EQ(settings.TimeFormat, u"ttttt");
}

TEST_F(SettingsStoreTest, UnavailableStoreKeepsValuesAndStillArmsTimer) {
  storeUnavailable = true;
  settings.TimeFormat = u"hh";
  settings.TitlePattern = u"kept";
  settings.RefreshRate = 77;
  Load();
  EXPECT_EQ(settings.TimeFormat, u"ttttt");
  EXPECT_EQ(settings.TitlePattern, u"kept");
  EXPECT_EQ(settings.RefreshRate, 77);
  EXPECT_EQ(timer.calls, (std::vector<std::string>{"disable", "interval 77", "enable"}));
}

TEST_F(SettingsStoreTest, SaveWritesInOrderAndStopsAtFirstFailure) {
  settings = {u"hh:nn", u"(%time%)", 500};
  SaveSettings(settings, Factory());
  EXPECT_EQ(writes, (std::vector<std::u16string>{u"Time Format", u"Refresh Rate", u"Tittle Pattern"}));
  Settings loaded;
  LoadSettings(loaded, Factory(), Trial, timer);
  EXPECT_EQ(loaded.TimeFormat, u"hh:nn");
  EXPECT_EQ(loaded.TitlePattern, u"(%time%)");
  EXPECT_EQ(loaded.RefreshRate, 500);

  writes.clear();
  failingKey = u"Refresh Rate";
  settings.TimeFormat = u"ss";
  EXPECT_THROW(SaveSettings(settings, Factory()), Error);
  EXPECT_EQ(writes, (std::vector<std::u16string>{u"Time Format"}));
  EXPECT_EQ(std::get<std::u16string>(stored[u"Time Format"]), u"ss");
}

}  // namespace
}  // namespace lartsen
