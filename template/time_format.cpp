// The date and time format notation: reads a format text once and writes the moment's text.
#include "template/time_format.h"

#include <cstdint>
#include <utility>

#include "support/error.h"

namespace lartsen {
namespace {

enum class Kind : std::uint8_t {
  kEnd,
  kSection,      // unquoted ;
  kChar,         // a character shown as it stands
  kQuoted,       // "text"; the quotes are part of the token
  kEscaped,      // \x
  kGeneral,      // c
  kDay,          // d .. dddddd (width 1..6)
  kDayName,      // aaaa
  kWeekday,      // w
  kWeek,         // ww
  kMonth,        // m .. mmmm (width 1..4)
  kMonthName,    // oooo
  kQuarter,      // q
  kYear,         // y, yy, yyyy (width 1, 2, 4)
  kHour,         // h, hh
  kMinute,       // n, nn
  kSecond,       // s, ss
  kLongTime,     // ttttt
  kAmPm,         // AM/PM, am/pm (letters from the format)
  kAP,           // A/P, a/p
  kLocaleAmPm,   // AMPM
  kTimeSeparator,
  kDateSeparator,
  kNumber,       // 0 # % E+ E- : tokens of number formats
  kText,         // @ & < > ! : tokens of text formats
};

struct Token {
  Kind kind;
  std::uint8_t width;
  std::size_t length;
};

constexpr char16_t Lower(char16_t ch) {
  return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch + (u'a' - u'A')) : ch;
}

// How many of the letter `lower` stand at position i, counted up to `most`: no token is longer,
// so a long run of one letter costs each of its tokens only its own length.
std::size_t RunLength(std::u16string_view f, std::size_t i, char16_t lower, std::size_t most) {
  std::size_t n = 0;
  while (n < most && i + n < f.size() && Lower(f[i + n]) == lower) ++n;
  return n;
}

// True when the format holds `word` (lower-case ASCII) at position i, ignoring case.
bool HasAt(std::u16string_view f, std::size_t i, std::u16string_view word) {
  if (f.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (Lower(f[i + k]) != word[k]) return false;
  }
  return true;
}

Token Make(Kind kind, std::size_t length, std::size_t width = 0) {
  return Token{kind, static_cast<std::uint8_t>(width), length};
}

// Reads the token at position i: the longest code that starts there.
Token ReadToken(std::u16string_view f, std::size_t i) {
  if (i >= f.size()) return Make(Kind::kEnd, 0);
  const char16_t ch = f[i];
  switch (Lower(ch)) {
    case u';':
      return Make(Kind::kSection, 1);
    case u'"': {
      std::size_t j = i + 1;
      while (j < f.size() && f[j] != u'"') ++j;
      // An unterminated quote runs to the end of the format.
      return Make(Kind::kQuoted, (j < f.size() ? j + 1 : j) - i);
    }
    case u'\\':
      return Make(Kind::kEscaped, i + 1 < f.size() ? 2 : 1);
    case u'c':
      return Make(Kind::kGeneral, 1);
    case u'd': {
      const std::size_t n = RunLength(f, i, u'd', 6);
      return Make(Kind::kDay, n, n);
    }
    case u'w':
      return RunLength(f, i, u'w', 2) >= 2 ? Make(Kind::kWeek, 2) : Make(Kind::kWeekday, 1);
    case u'm': {
      const std::size_t n = RunLength(f, i, u'm', 4);
      return Make(Kind::kMonth, n, n);
    }
    case u'o':
      return RunLength(f, i, u'o', 4) >= 4 ? Make(Kind::kMonthName, 4) : Make(Kind::kChar, 1);
    case u'q':
      return Make(Kind::kQuarter, 1);
    case u'y': {
      const std::size_t n = RunLength(f, i, u'y', 4);
      const std::size_t w = n >= 4 ? 4 : n >= 2 ? 2 : 1;
      return Make(Kind::kYear, w, w);
    }
    case u'h': {
      const std::size_t n = RunLength(f, i, u'h', 2) >= 2 ? 2 : 1;
      return Make(Kind::kHour, n, n);
    }
    case u'n': {
      const std::size_t n = RunLength(f, i, u'n', 2) >= 2 ? 2 : 1;
      return Make(Kind::kMinute, n, n);
    }
    case u's': {
      const std::size_t n = RunLength(f, i, u's', 2) >= 2 ? 2 : 1;
      return Make(Kind::kSecond, n, n);
    }
    case u't':
      return RunLength(f, i, u't', 5) >= 5 ? Make(Kind::kLongTime, 5) : Make(Kind::kChar, 1);
    case u'a':
      if (HasAt(f, i, u"am/pm")) return Make(Kind::kAmPm, 5);
      if (HasAt(f, i, u"ampm")) return Make(Kind::kLocaleAmPm, 4);
      if (HasAt(f, i, u"aaaa")) return Make(Kind::kDayName, 4);
      if (HasAt(f, i, u"a/p")) return Make(Kind::kAP, 3);
      return Make(Kind::kChar, 1);
    case u':':
      return Make(Kind::kTimeSeparator, 1);
    case u'/':
      return Make(Kind::kDateSeparator, 1);
    case u'0':
    case u'#':
    case u'%':
      return Make(Kind::kNumber, 1);
    case u'e':
      if (i + 1 < f.size() && (f[i + 1] == u'+' || f[i + 1] == u'-')) return Make(Kind::kNumber, 2);
      return Make(Kind::kChar, 1);
    case u'@':
    case u'&':
    case u'<':
    case u'>':
    case u'!':
      return Make(Kind::kText, 1);
    default:
      return Make(Kind::kChar, 1);
  }
}

bool IsDateCode(Kind k) { return k >= Kind::kGeneral && k <= Kind::kLocaleAmPm; }
bool IsAmPmCode(Kind k) { return k == Kind::kAmPm || k == Kind::kAP || k == Kind::kLocaleAmPm; }

[[noreturn]] void FailTooManySections() {
  throw Error(status::kInvalidArgument, UiText::TooManyTimeFormatSections);
}

[[noreturn]] void FailNotDateFormat() {
  throw Error(status::kInvalidArgument,
              UiText::NotADateFormat);
}

// What the first reading of the whole format learns.
struct Layout {
  std::size_t firstSectionEnd = 0;
  bool twelveHour = false;  // the first section holds an AM/PM code
};

Layout Analyse(std::u16string_view f) {
  Layout layout;
  int sections = 1;
  bool kindKnown = false;
  bool inFirst = true;
  layout.firstSectionEnd = f.size();
  for (std::size_t i = 0; i < f.size();) {
    const Token t = ReadToken(f, i);
    if (t.kind == Kind::kSection) {
      if (inFirst) layout.firstSectionEnd = i;
      inFirst = false;
      if (++sections > 4) FailTooManySections();
    } else if (!kindKnown) {
      if (t.kind == Kind::kNumber || t.kind == Kind::kText) FailNotDateFormat();
      kindKnown = IsDateCode(t.kind);
    }
    if (inFirst && IsAmPmCode(t.kind)) layout.twelveHour = true;
    i += t.length;
  }
  return layout;
}

// Collects the result in a buffer on the stack, so that a short result costs a single
// allocation, made once its length is known.
class TextSink {
 public:
  void push_back(char16_t ch) {
    if (used_ == kSize) Spill();
    buffer_[used_++] = ch;
  }
  void append(std::u16string_view text) {
    if (text.size() > kSize - used_) {
      Spill();
      if (text.size() > kSize) {
        spilled_.append(text);
        return;
      }
    }
    text.copy(buffer_ + used_, text.size());
    used_ += text.size();
  }
  TextSink& operator+=(std::u16string_view text) {
    append(text);
    return *this;
  }
  std::u16string Take() {
    if (spilled_.empty()) return std::u16string(buffer_, used_);
    spilled_.append(buffer_, used_);
    return std::move(spilled_);
  }

 private:
  static constexpr std::size_t kSize = 120;
  void Spill() {
    spilled_.append(buffer_, used_);
    used_ = 0;
  }
  char16_t buffer_[kSize];
  std::size_t used_ = 0;
  std::u16string spilled_;
};

void AppendNumber(TextSink& out, int value, bool twoDigits) {
  if (value >= 1000) {
    out.push_back(static_cast<char16_t>(u'0' + value / 1000));
    out.push_back(static_cast<char16_t>(u'0' + value / 100 % 10));
    out.push_back(static_cast<char16_t>(u'0' + value / 10 % 10));
  } else if (value >= 100) {
    out.push_back(static_cast<char16_t>(u'0' + value / 100));
    out.push_back(static_cast<char16_t>(u'0' + value / 10 % 10));
  } else if (value >= 10 || twoDigits) {
    out.push_back(static_cast<char16_t>(u'0' + value / 10));
  }
  out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

void AppendGeneralDate(TextSink& out, const CivilDateTime& c, const LocaleInfo& locale) {
  const bool dayZero = c.Year == 1899 && c.Month == 12 && c.Day == 30;
  const bool timeZero = c.Hour == 0 && c.Minute == 0 && c.Second == 0;
  if (dayZero) {
    out += locale.LongTime(c);
  } else if (timeZero) {
    out += locale.ShortDate(c);
  } else {
    out += locale.ShortDate(c);
    out.push_back(u' ');
    out += locale.LongTime(c);
  }
}

void Write(TextSink& out, std::u16string_view f, const Layout& layout,
           const CivilDateTime& c, const LocaleInfo& locale) {
  const bool pm = c.Hour >= 12;
  bool minuteDue = false;  // an hour was printed and no minute or day since: m/mm is the minute
  for (std::size_t i = 0; i < layout.firstSectionEnd;) {
    const Token t = ReadToken(f, i);
    switch (t.kind) {
      case Kind::kEnd:
      case Kind::kSection:
        return;
      case Kind::kChar:
      case Kind::kNumber:
      case Kind::kText:
        out.append(f.substr(i, t.length));
        break;
      case Kind::kQuoted: {
        const bool closed = t.length >= 2 && f[i + t.length - 1] == u'"';
        out.append(f.substr(i + 1, t.length - (closed ? 2 : 1)));
        break;
      }
      case Kind::kEscaped:
        if (t.length == 2) out.push_back(f[i + 1]);
        break;
      case Kind::kGeneral:
        AppendGeneralDate(out, c, locale);
        break;
      case Kind::kDay:
        minuteDue = false;
        switch (t.width) {
          case 1: AppendNumber(out, c.Day, false); break;
          case 2: AppendNumber(out, c.Day, true); break;
          case 3: out += locale.AbbreviatedDayNames[c.DayOfWeek]; break;
          case 4: out += locale.DayNames[c.DayOfWeek]; break;
          case 5: out += locale.ShortDate(c); break;
          default: out += locale.LongDate(c); break;
        }
        break;
      case Kind::kDayName:
        minuteDue = false;
        out += locale.DayNames[c.DayOfWeek];
        break;
      case Kind::kWeekday:
        AppendNumber(out, c.DayOfWeek + 1, false);
        break;
      case Kind::kWeek: {
        // Weeks start on Sunday and the week of 1 January is week 1.
        const int firstWeekday = ((c.DayOfWeek - (c.DayOfYear - 1)) % 7 + 7) % 7;
        AppendNumber(out, (c.DayOfYear - 1 + firstWeekday) / 7 + 1, false);
        break;
      }
      case Kind::kMonth:
        if (t.width <= 2 && minuteDue) {
          minuteDue = false;
          AppendNumber(out, c.Minute, t.width == 2);
        } else if (t.width <= 2) {
          AppendNumber(out, c.Month, t.width == 2);
        } else if (t.width == 3) {
          out += locale.AbbreviatedMonthNames[c.Month - 1];
        } else {
          out += locale.MonthNames[c.Month - 1];
        }
        break;
      case Kind::kMonthName:
        out += locale.MonthNames[c.Month - 1];
        break;
      case Kind::kQuarter:
        AppendNumber(out, (c.Month - 1) / 3 + 1, false);
        break;
      case Kind::kYear:
        if (t.width == 1) AppendNumber(out, c.DayOfYear, false);
        else if (t.width == 2) AppendNumber(out, c.Year % 100, true);
        else AppendNumber(out, c.Year, false);
        break;
      case Kind::kHour: {
        int hour = c.Hour;
        if (layout.twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
        AppendNumber(out, hour, t.width == 2);
        minuteDue = true;
        break;
      }
      case Kind::kMinute:
        AppendNumber(out, c.Minute, t.width == 2);
        break;
      case Kind::kSecond:
        AppendNumber(out, c.Second, t.width == 2);
        break;
      case Kind::kLongTime:
        out += locale.LongTime(c);
        break;
      case Kind::kAmPm:
        // The letters keep the case written in the format: AM/PM, am/pm.
        out.append(f.substr(pm ? i + 3 : i, 2));
        break;
      case Kind::kAP:
        out.push_back(f[pm ? i + 2 : i]);
        break;
      case Kind::kLocaleAmPm:
        out += pm ? locale.PmDesignator : locale.AmDesignator;
        break;
      case Kind::kTimeSeparator:
        out += locale.TimeSeparator;
        break;
      case Kind::kDateSeparator:
        out += locale.DateSeparator;
        break;
    }
    i += t.length;
  }
}

bool EqualsIgnoringCase(std::u16string_view f, std::u16string_view lowerName) {
  return f.size() == lowerName.size() && HasAt(f, 0, lowerName);
}

}  // namespace

std::u16string FormatDateTime(double moment, std::u16string_view format, const LocaleInfo& locale) {
  const CivilDateTime c = OleDateToCivil(moment);
  TextSink out;
  // The named formats are whole formats of their own.
  if (format.size() >= 9 && format.size() <= 12) {
    if (EqualsIgnoringCase(format, u"general date")) format = u"c";
    else if (EqualsIgnoringCase(format, u"long date")) format = u"dddddd";
    else if (EqualsIgnoringCase(format, u"short date")) format = u"ddddd";
    else if (EqualsIgnoringCase(format, u"long time")) format = u"ttttt";
    else if (EqualsIgnoringCase(format, u"medium time")) format = u"hh:nn AM/PM";
    else if (EqualsIgnoringCase(format, u"short time")) format = u"hh:nn";
    else if (EqualsIgnoringCase(format, u"medium date")) return locale.MediumDate(c);
  }
  const Layout layout = Analyse(format);
  if (layout.firstSectionEnd == 0) {
    AppendGeneralDate(out, c, locale);
    return out.Take();
  }
  Write(out, format, layout, c, locale);
  return out.Take();
}

}  // namespace lartsen
