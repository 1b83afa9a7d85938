// nl_langinfo_l under a locale of its own (the process locale stays "C"), names and patterns.
#include "platform/linux/system/locale_linux.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <memory>
#include <utility>

#include "support/text.h"

namespace lartsen {
namespace {

struct LocaleHandle {
  locale_t handle;
  ~LocaleHandle() {
    if (handle) freelocale(handle);
  }
};

std::u16string Info(nl_item item, locale_t locale) { return FromUtf8(nl_langinfo_l(item, locale)); }

// The separator a pattern puts between its first two fields ("%d.%m.%Y" -> ".").
std::u16string FirstSeparator(std::u16string_view picture, std::u16string fallback) {
  std::size_t i = 0;
  while (i < picture.size() && std::u16string_view(u"dMyhHmst").find(picture[i]) != std::u16string_view::npos) ++i;
  std::u16string separator;
  bool quoted = false;
  for (; i < picture.size(); ++i) {
    if (picture[i] == u'\'') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && std::u16string_view(u"dMyhHmst").find(picture[i]) != std::u16string_view::npos) break;
    separator += picture[i];
  }
  return separator.empty() ? fallback : separator;
}

// "ru_RU.UTF-8@euro" -> "ru-RU"
std::u16string TagOf(const char* name) {
  std::string tag = name ? name : "";
  tag = tag.substr(0, tag.find_first_of(".@"));
  for (char& c : tag) {
    if (c == '_') c = '-';
  }
  return FromUtf8(tag.empty() || tag == "C" || tag == "POSIX" ? "en-US" : tag);
}

const char* UserTimeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && value[0] != '\0') return value;
  }
  return "C";
}

// The picture that shows what a strftime conversion shows; null when there is none.
const std::u16string_view* PictureOfConversion(char16_t conversion) {
  static constexpr std::pair<char16_t, std::u16string_view> kPictures[] = {
      {u'd', u"dd"},   {u'e', u"d"},    {u'm', u"MM"},   {u'b', u"MMM"},         {u'h', u"MMM"},
      {u'B', u"MMMM"}, {u'Y', u"yyyy"}, {u'y', u"yy"},   {u'a', u"ddd"},         {u'A', u"dddd"},
      {u'H', u"HH"},   {u'k', u"H"},    {u'I', u"hh"},   {u'l', u"h"},           {u'M', u"mm"},
      {u'S', u"ss"},   {u'p', u"tt"},   {u'P', u"tt"},   {u'T', u"HH:mm:ss"},    {u'R', u"HH:mm"},
      {u'r', u"hh:mm:ss tt"},           {u'D', u"MM/dd/yy"},                     {u'F', u"yyyy-MM-dd"}};
  for (const auto& [letter, picture] : kPictures) {
    if (letter == conversion) return &picture;
  }
  return nullptr;
}

}  // namespace

std::u16string StrftimePicture(std::string_view pattern) {
  std::u16string picture;
  std::u16string literal;
  auto flush = [&] {
    if (literal.empty()) return;
    picture += u'\'';
    for (char16_t c : literal) {
      picture += c;
      if (c == u'\'') picture += u'\'';
    }
    picture += u'\'';
    literal.clear();
  };
  auto field = [&](std::u16string_view text) {
    flush();
    picture += text;
  };
  const std::u16string text = FromUtf8(pattern);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c != u'%' || i + 1 >= text.size()) {
      // Blanks, dots, colons and the like stand for themselves; letters need quotes.
      const bool plain = std::u16string_view(u" .,:/-").find(c) != std::u16string_view::npos;
      if (plain) {
        flush();
        picture += c;
      } else {
        literal += c;
      }
      continue;
    }
    char16_t conversion = text[++i];
    while ((conversion == u'E' || conversion == u'O' || conversion == u'-' || conversion == u'_' || conversion == u'0') && i + 1 < text.size()) {
      conversion = text[++i];
    }
    if (conversion == u'%') {
      literal += u'%';
    } else if (conversion == u'n' || conversion == u't') {
      literal += u' ';
    } else if (const std::u16string_view* shown = PictureOfConversion(conversion)) {
      field(*shown);
    }  // zones, week numbers and the like have no picture letter
  }
  flush();
  return picture;
}

LocaleInfo LinuxLocaleInfo(const char* localeName) {
  const char* name = localeName && localeName[0] != '\0' ? localeName : UserTimeLocaleName();
  LocaleHandle time{newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, name, static_cast<locale_t>(0))};
  if (!time.handle) time.handle = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  const locale_t l = time.handle;

  LocaleInfo info;
  info.Name = TagOf(name);
  for (int i = 0; i < 7; ++i) {
    info.DayNames[i] = Info(static_cast<nl_item>(DAY_1 + i), l);
    info.AbbreviatedDayNames[i] = Info(static_cast<nl_item>(ABDAY_1 + i), l);
  }
  for (int i = 0; i < 12; ++i) {
    // In Slavic locales MON_ holds the forms a day number governs; ALTMON_ the nominative.
    info.MonthNames[i] = Info(static_cast<nl_item>(ALTMON_1 + i), l);
    info.GenitiveMonthNames[i] = Info(static_cast<nl_item>(MON_1 + i), l);
    info.AbbreviatedMonthNames[i] = Info(static_cast<nl_item>(_NL_ABALTMON_1 + i), l);
    if (info.GenitiveMonthNames[i] == info.MonthNames[i]) info.GenitiveMonthNames[i].clear();
  }
  info.AmDesignator = Info(AM_STR, l);
  info.PmDesignator = Info(PM_STR, l);
  info.DecimalSeparator = Info(RADIXCHAR, l);
  if (info.DecimalSeparator.empty()) info.DecimalSeparator = u".";

  std::u16string shortDate = StrftimePicture(nl_langinfo_l(D_FMT, l));
  std::u16string longTime = StrftimePicture(nl_langinfo_l(T_FMT, l));
  if (longTime.empty()) longTime = u"HH:mm:ss";
  if (shortDate.empty()) shortDate = u"MM/dd/yy";
  // The C library has no long date; it follows the short one's field order.
  const bool dayFirst = shortDate.find(u'd') < shortDate.find(u'M');
  std::u16string longDate = dayFirst ? u"d MMMM yyyy" : u"dddd, MMMM d, yyyy";
  info.DateSeparator = FirstSeparator(shortDate, u"/");
  info.TimeSeparator = FirstSeparator(longTime, u":");

  // The compound forms hold the record by address: the caller keeps it where it stays.
  auto shared = std::make_shared<LocaleInfo>(info);
  auto picture = [shared](std::u16string p) {
    return [shared, p = std::move(p)](const CivilDateTime& moment) {
      return FormatLocalePicture(p, moment, *shared);
    };
  };
  info.ShortDate = picture(shortDate);
  info.LongDate = picture(longDate);
  info.MediumDate = picture(u"dd-MMM-yy");
  info.LongTime = picture(longTime);
  return info;
}

}  // namespace lartsen
