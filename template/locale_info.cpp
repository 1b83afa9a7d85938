// Built-in regional records (en-US, ru-RU, de-DE) and the Windows date picture notation they use.
#include "template/locale_info.h"

#include <stdexcept>

namespace lartsen {
namespace {

void AppendNumber(std::u16string& out, int value, int minDigits) {
  char16_t digits[12];
  int n = 0;
  unsigned v = static_cast<unsigned>(value < 0 ? -value : value);
  do {
    digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n < minDigits) digits[n++] = u'0';
  while (n > 0) out.push_back(digits[--n]);
}

// True when the picture shows a day number, which makes Slavic month names genitive.
bool ShowsDayNumber(std::u16string_view picture) {
  bool quoted = false;
  for (std::size_t i = 0; i < picture.size();) {
    const char16_t ch = picture[i];
    if (ch == u'\'') {
      quoted = !quoted;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == ch) ++run;
    if (!quoted && ch == u'd' && run <= 2) return true;
    i += run;
  }
  return false;
}

std::function<std::u16string(const CivilDateTime&)> Picture(const LocaleInfo& locale,
                                                             std::u16string picture) {
  // The built-in records live for the whole run, so the reference stays valid.
  return [&locale, picture = std::move(picture)](const CivilDateTime& moment) {
    return FormatLocalePicture(picture, moment, locale);
  };
}

LocaleInfo MakeEnglish() {
  LocaleInfo l;
  l.Name = u"en-US";
  l.DayNames = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday",
                u"Saturday"};
  l.AbbreviatedDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  l.MonthNames = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                  u"July",    u"August",   u"September", u"October", u"November", u"December"};
  l.AbbreviatedMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                             u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  l.DateSeparator = u"/";
  l.TimeSeparator = u":";
  l.AmDesignator = u"AM";
  l.PmDesignator = u"PM";
  l.DecimalSeparator = u".";
  return l;
}

LocaleInfo MakeRussian() {
  LocaleInfo l;
  l.Name = u"ru-RU";
  l.DayNames = {u"воскресенье", u"понедельник", u"вторник", u"среда",
                u"четверг",     u"пятница",     u"суббота"};
  l.AbbreviatedDayNames = {u"Вс", u"Пн", u"Вт", u"Ср", u"Чт", u"Пт", u"Сб"};
  l.MonthNames = {u"январь", u"февраль", u"март",     u"апрель",  u"май",    u"июнь",
                  u"июль",   u"август",  u"сентябрь", u"октябрь", u"ноябрь", u"декабрь"};
  l.GenitiveMonthNames = {u"января", u"февраля", u"марта",     u"апреля",  u"мая",    u"июня",
                          u"июля",   u"августа", u"сентября", u"октября", u"ноября", u"декабря"};
  l.AbbreviatedMonthNames = {u"янв", u"фев", u"мар", u"апр", u"май", u"июн",
                             u"июл", u"авг", u"сен", u"окт", u"ноя", u"дек"};
  l.DateSeparator = u".";
  l.TimeSeparator = u":";
  l.DecimalSeparator = u",";
  return l;
}

LocaleInfo MakeGerman() {
  LocaleInfo l;
  l.Name = u"de-DE";
  l.DayNames = {u"Sonntag",    u"Montag",  u"Dienstag", u"Mittwoch",
                u"Donnerstag", u"Freitag", u"Samstag"};
  l.AbbreviatedDayNames = {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};
  l.MonthNames = {u"Januar", u"Februar", u"März",      u"April",   u"Mai",      u"Juni",
                  u"Juli",   u"August",  u"September", u"Oktober", u"November", u"Dezember"};
  l.AbbreviatedMonthNames = {u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun",
                             u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};
  l.DateSeparator = u".";
  l.TimeSeparator = u":";
  l.DecimalSeparator = u",";
  return l;
}

// Gives a record its compound forms once it sits at its final address.
const LocaleInfo& Compose(LocaleInfo& l, std::u16string shortDate, std::u16string longDate,
                          std::u16string longTime) {
  l.ShortDate = Picture(l, std::move(shortDate));
  l.LongDate = Picture(l, std::move(longDate));
  l.MediumDate = Picture(l, u"dd-MMM-yy");
  l.LongTime = Picture(l, std::move(longTime));
  return l;
}

}  // namespace

std::u16string FormatLocalePicture(std::u16string_view picture, const CivilDateTime& moment,
                                   const LocaleInfo& locale) {
  std::u16string out;
  out.reserve(picture.size() + 16);
  const bool genitive = ShowsDayNumber(picture);
  const bool pm = moment.Hour >= 12;
  const std::u16string& designator = pm ? locale.PmDesignator : locale.AmDesignator;
  for (std::size_t i = 0; i < picture.size();) {
    const char16_t ch = picture[i];
    if (ch == u'\'') {
      // Quoted text; two quotes in a row stand for one quote.
      ++i;
      while (i < picture.size()) {
        if (picture[i] == u'\'') {
          if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
            out.push_back(u'\'');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out.push_back(picture[i++]);
      }
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == ch) ++run;
    const int n = static_cast<int>(run);
    switch (ch) {
      case u'd':
        if (n <= 2) AppendNumber(out, moment.Day, n);
        else if (n == 3) out += locale.AbbreviatedDayNames[moment.DayOfWeek];
        else out += locale.DayNames[moment.DayOfWeek];
        break;
      case u'M':
        if (n <= 2) {
          AppendNumber(out, moment.Month, n);
        } else if (n == 3) {
          out += locale.AbbreviatedMonthNames[moment.Month - 1];
        } else {
          const std::u16string& g = locale.GenitiveMonthNames[moment.Month - 1];
          out += genitive && !g.empty() ? g : locale.MonthNames[moment.Month - 1];
        }
        break;
      case u'y':
        if (n <= 2) AppendNumber(out, moment.Year % 100, n);
        else AppendNumber(out, moment.Year, 1);
        break;
      case u'h': {
        const int h12 = moment.Hour % 12 == 0 ? 12 : moment.Hour % 12;
        AppendNumber(out, h12, n >= 2 ? 2 : 1);
        break;
      }
      case u'H':
        AppendNumber(out, moment.Hour, n >= 2 ? 2 : 1);
        break;
      case u'm':
        AppendNumber(out, moment.Minute, n >= 2 ? 2 : 1);
        break;
      case u's':
        AppendNumber(out, moment.Second, n >= 2 ? 2 : 1);
        break;
      case u't':
        if (n == 1) {
          if (!designator.empty()) out.push_back(designator[0]);
        } else {
          out += designator;
        }
        break;
      default:
        out.append(run, ch);
        break;
    }
    i += run;
  }
  // A 24-hour picture on a locale without designators may leave a trailing blank ("H:mm:ss tt").
  while (!out.empty() && out.back() == u' ' && designator.empty() &&
         picture.find(u't') != std::u16string_view::npos) {
    out.pop_back();
  }
  return out;
}

const LocaleInfo& BuiltinLocale(std::string_view name) {
  static LocaleInfo english = MakeEnglish();
  static LocaleInfo russian = MakeRussian();
  static LocaleInfo german = MakeGerman();
  static const LocaleInfo& en = Compose(english, u"M/d/yyyy", u"dddd, MMMM d, yyyy", u"h:mm:ss tt");
  static const LocaleInfo& ru = Compose(russian, u"dd.MM.yyyy", u"d MMMM yyyy 'г.'", u"H:mm:ss");
  static const LocaleInfo& de = Compose(german, u"dd.MM.yyyy", u"dddd, d. MMMM yyyy", u"HH:mm:ss");
  if (name == "en-US") return en;
  if (name == "ru-RU") return ru;
  if (name == "de-DE") return de;
  throw std::invalid_argument("unknown built-in locale");
}

}  // namespace lartsen
