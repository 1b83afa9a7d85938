// Compares FormatDateTime under the user's locale with the platform's VarFormat over a corpus
// of formats and moments; argument 1 names the locale the environment must have selected.
#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/locale_win32.h"
#include "support/error.h"
#include "support/text.h"
#include "support/ole_date.h"
#include "template/time_format.h"

namespace {

using lartsen::FormatDateTime;
using lartsen::ToUtf8;

// A format of the corpus; `reason` is set when the platform's formatter is known to differ.
struct Case {
  std::u16string format;
  const char* reason = nullptr;
};

constexpr const char* kWeek = "ww: the platform ignores the first-day and first-week rules";
constexpr const char* kUpperAmPm = "AM/PM: the platform keeps the 24-hour clock for upper case";
constexpr const char* kAfterGeneral = "text after c: the platform mangles it";
constexpr const char* kMediumDate = "Medium Date: the platform prints the long date";
constexpr const char* kNumeric = "number or text format: this system fails, the platform prints numbers";
constexpr const char* kNamesAlias = "aaaa/oooo: the platform prints them literally";

std::vector<Case> Corpus() {
  std::vector<Case> corpus;
  const char16_t* plain[] = {
      u"d", u"dd", u"ddd", u"dddd", u"ddddd", u"dddddd", u"w", u"m", u"mm", u"mmm", u"mmmm",
      u"q", u"y", u"yy", u"yyyy", u"h", u"hh", u"n", u"nn", u"s", u"ss", u"ttttt",
      u"h:nn:ss", u"hh:nn:ss", u"hh:nn", u"h:n:s", u"yyyy-mm-dd", u"dd/mm/yyyy", u"m/d/yy",
      u"dd.mm.yyyy hh:nn:ss", u"yyyy-mm-dd hh:nn:ss", u"dddd, mmmm d yyyy", u"d mmmm yyyy",
      u"ddd, d mmm yyyy", u"mmmm yyyy", u"mmm d", u"w q y", u"yyyymmdd", u"hhnnss",
      u"yyy", u"yyyyy", u"ddddddd", u"mmmmm", u"hhh", u"nnn", u"sss",
      u"HH:NN:SS", u"Hh:Nn:Ss", u"DDDD MMMM YYYY", u"Dd/Mm/Yy", u"TTTTT", u"Q Y W",
      u"hh:mm", u"h:m", u"hh:mm:ss", u"hh :mm:mm", u"dd:hh :mm:mm", u"hh:dd :mm:mm",
      u"mm :ss:mm", u"mm:ss", u"m:s", u"h\"x\"m", u"h mmm m", u"h d m", u"hh:mmmm:mm",
      u"h:nn am/pm", u"hh:nn:ss am/pm", u"h a/p", u"hh:nn A/P", u"h:nn:ss a/p",
      u"h AMPM", u"hh:nn AMPM", u"am/pm h", u"a/p hh:nn", u"AMPM h:nn",
      u"\"Time:\" hh:nn", u"\"a;b\" h", u"\\h\\h h", u"\\\\ h", u"h\\", u"hh \"open",
      u"[h]:nn", u"hello", u"h- + $ ( ) , . x", u"Время hh:nn", u"Сейчас h ч. n мин.",
      u"(hh)", u"hh%", u"hh 0 # @", u"h;0.00", u"h;h;h;h", u"hh:nn;\"x\"", u"\"\"",
      u"", u";", u";hh", u"c", u"C", u"\\c", u"General Date", u"Long Date", u"Short Date",
      u"Long Time", u"Medium Time", u"Short Time", u"general date", u"LONG TIME",
      u"ttttt \"x\"", u"dddddd ttttt", u"ddddd ttttt", u"ddddd hh:nn", u"dddddd, hh:nn",
      u"d-mmm-yyyy", u"dd-mmm-yy", u"ddd dd mmm", u"tt", u"oo", u"e", u"l x z",
      u"q\"q\"", u"y/m/d", u"yy:nn", u"d/m", u"dd/mm", u"h/n", u"s:s", u"ss.ss",
      u"hhnn", u"hmm", u"hnm", u"hdm", u"h\\m", u"h m m m", u"dmmm", u"mmmd",
  };
  for (const char16_t* f : plain) corpus.push_back({f});
  // Pairs of codes, each with a separator, widen the corpus over the reading rules.
  const char16_t* codes[] = {u"d", u"dd", u"ddd", u"m", u"mm", u"mmm", u"yy", u"yyyy", u"h",
                             u"hh", u"n", u"nn", u"ss", u"w", u"q", u"y"};
  const char16_t* seps[] = {u":", u"/", u" ", u"-"};
  int k = 0;
  for (const char16_t* a : codes) {
    for (const char16_t* b : codes) {
      if (++k % 3 != 0) continue;
      std::u16string f = a;
      f += seps[k % 4];
      f += b;
      corpus.push_back({f});
    }
  }
  for (const char16_t* f : {u"ww", u"w ww", u"ww yyyy", u"WW"}) corpus.push_back({f, kWeek});
  for (const char16_t* f : {u"h:nn AM/PM", u"hh:nn:ss AM/PM", u"AM/PM h", u"h A/P AM/PM"}) {
    corpus.push_back({f, kUpperAmPm});
  }
  for (const char16_t* f : {u"c hh", u"c \"x\"", u"cc", u"c;h"}) corpus.push_back({f, kAfterGeneral});
  for (const char16_t* f : {u"Medium Date", u"medium date"}) corpus.push_back({f, kMediumDate});
  for (const char16_t* f : {u"0.00", u"#,##0", u"@@@", u"0", u"Время 0", u">", u"e+00"}) {
    corpus.push_back({f, kNumeric});
  }
  for (const char16_t* f : {u"aaaa", u"oooo", u"aaaa, d oooo"}) corpus.push_back({f, kNamesAlias});
  return corpus;
}

std::u16string Lower(std::u16string text) {
  for (char16_t& ch : text) {
    if (ch >= u'A' && ch <= u'Z') ch = static_cast<char16_t>(ch + 32);
  }
  return text;
}

bool Has(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

// Differences found only for some moments, locales or readings, each with the platform's fault.
const char* Explain(const std::u16string& format, double moment, const std::u16string& ours,
                    const std::u16string& theirs, bool theirFailure,
                    const lartsen::LocaleInfo& locale) {
  const std::u16string f = Lower(format);
  const lartsen::CivilDateTime c = lartsen::OleDateToCivil(moment);
  const bool midnight = c.Hour == 0 && c.Minute == 0 && c.Second == 0;
  if (midnight && (Has(f, u"ttttt") || f == u"long time") && !theirFailure) {
    // Only the long time may be missing: the rest of the text must agree.
    std::u16string rest = ours;
    const std::u16string longTime = locale.LongTime(c);
    for (std::size_t at; (at = rest.find(longTime)) != std::u16string::npos;) {
      rest.erase(at, longTime.size());
    }
    if (rest == theirs) {
      return "ttttt at midnight: the platform prints nothing for the long time";
    }
  }
  if (Has(f, u"yyyyy") && theirFailure) {
    return "yyyyy: the platform rejects five y; the notation reads yyyy then y";
  }
  if (Has(f, u"ddddddd")) return "ddddddd: the platform drops the seventh d (dddddd then d)";
  if (Has(f, u"mmmmm")) return "mmmmm: the platform prints the day of the year (mmmm then m)";
  if ((Has(f, u"dddddd") || f == u"long date") && Has(theirs, u"'")) {
    return "dddddd: the platform copies the locale's picture quotes and nominative month names "
           "instead of formatting the long date";
  }
  if ((f.rfind(u"am/pm", 0) == 0 || f.rfind(u"a/p", 0) == 0 || f.rfind(u"ampm", 0) == 0) &&
      (c.Hour == 0 || c.Hour > 12)) {
    return "AM/PM before the hour: the platform keeps the 24-hour clock; here the whole "
           "section is 12-hour";
  }
  if (!f.empty() && f[0] == u';' && theirs.empty()) {
    return "empty first section: the platform prints nothing; here it means the general date";
  }
  return nullptr;
}

std::vector<double> Moments() {
  std::vector<double> moments = {0.0, 0.5, 1.0, -1.25, 365.0, 365.25, 0.7508765432,
                                 lartsen::kMinOleDate, lartsen::kMaxOleDate};
  // Years 100 to 9999, each month, the days of the week, midnight, noon and the last second.
  const int times[][3] = {{0, 0, 0}, {12, 0, 0}, {23, 59, 59}, {14, 5, 1}, {9, 7, 3}, {0, 30, 0}};
  int i = 0;
  for (int year = 100; year <= 9999; year += 173) {
    const int month = i % 12 + 1;
    const int day = 1 + (i * 5) % 28;
    const int* t = times[i % 6];
    moments.push_back(lartsen::CivilToOleDate(year, month, day, t[0], t[1], t[2]));
    ++i;
  }
  for (int day = 1; day <= 7; ++day) {
    moments.push_back(lartsen::CivilToOleDate(2000, 1, day, 12, 0, 0));
  }
  return moments;
}

std::u16string Platform(double moment, const std::u16string& format, bool& failed) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DATE;
  v.date = moment;
  BSTR out = nullptr;
  std::u16string copy = format;
  const HRESULT hr = VarFormat(&v, reinterpret_cast<LPOLESTR>(copy.data()), 1, 1, 0, &out);
  failed = FAILED(hr);
  std::u16string result;
  if (!failed && out != nullptr) result = reinterpret_cast<const char16_t*>(out);
  SysFreeString(out);
  return result;
}

std::u16string Ours(double moment, const std::u16string& format, const lartsen::LocaleInfo& l,
                    bool& failed) {
  failed = false;
  try {
    return FormatDateTime(moment, format, l);
  } catch (const lartsen::Error&) {
    failed = true;
    return {};
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string expected = argc > 1 ? argv[1] : "";
  const std::string actual = ToUtf8(lartsen::win32::UserDefaultLocaleName());
  if (actual != expected) {
    std::printf("user locale is %s, expected %s: the environment did not select it\n",
                actual.c_str(), expected.c_str());
    return 1;
  }
  const lartsen::LocaleInfo locale = lartsen::win32::UserDefaultLocaleInfo();
  const std::vector<Case> corpus = Corpus();
  const std::vector<double> moments = Moments();
  int compared = 0, known = 0, mismatches = 0, explained = 0;
  std::set<std::string> reasons;
  for (const Case& c : corpus) {
    int formatMismatches = 0;
    for (double m : moments) {
      bool ourFailure = false, theirFailure = false;
      const std::u16string ours = Ours(m, c.format, locale, ourFailure);
      const std::u16string theirs = Platform(m, c.format, theirFailure);
      const bool equal = ourFailure == theirFailure && (ourFailure || ours == theirs);
      if (c.reason != nullptr) {
        ++known;
        continue;
      }
      ++compared;
      if (!equal) {
        if (const char* why = Explain(c.format, m, ours, theirs, theirFailure, locale)) {
          ++explained;
          if (reasons.insert(why).second) std::printf("known: %s\n", why);
          continue;
        }
        ++mismatches;
        if (++formatMismatches == 1) {
          std::printf("MISMATCH %.10g [%s]: ours %s\"%s\" platform %s\"%s\"\n", m,
                      ToUtf8(c.format).c_str(), ourFailure ? "failed " : "",
                      ToUtf8(ours).c_str(), theirFailure ? "failed " : "",
                      ToUtf8(theirs).c_str());
        }
      }
    }
    if (formatMismatches > 1) std::printf("  (%d moments differ in total)\n", formatMismatches);
  }
  std::printf("%s: %zu formats x %zu moments: %d comparisons, %d mismatches, %d known differences "
              "(%d skipped by format, %d explained by moment or locale)\n",
              expected.c_str(), corpus.size(), moments.size(), compared, mismatches,
              known + explained, known, explained);
  return mismatches == 0 ? 0 : 1;
}
