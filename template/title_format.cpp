// Expansion of the title template: the time and the memory placeholders.
#include "template/title_format.h"

#include <array>
#include <string>
#include <string_view>

#include "support/error.h"
#include "support/text.h"
#include "template/number_text.h"
#include "template/text_limits.h"
#include "template/time_format.h"

namespace lartsen {
namespace {

// The placeholders in the order they are replaced; names in lower case for the comparison.
constexpr std::array<std::u16string_view, 23> kPlaceholders = {
    u"%time%",
    u"%memoryloadpercent%",
    u"%memoryavailpercent%",
    u"%freephysical%",
    u"%usedphysical%",
    u"%totalphysical%",
    u"%freepagefile%",
    u"%usedpagefile%",
    u"%totalpagefile%",
    u"%freevirtual%",
    u"%usedvirtual%",
    u"%freeextendedvirtual%",
    u"%totalvirtual%",
    u"%freephysical_fb%",
    u"%usedphysical_fb%",
    u"%totalphysical_fb%",
    u"%freepagefile_fb%",
    u"%usedpagefile_fb%",
    u"%totalpagefile_fb%",
    u"%freevirtual_fb%",
    u"%usedvirtual_fb%",
    u"%freeextendedvirtual_fb%",
    u"%totalvirtual_fb%",
};

// Names are ASCII, so only ASCII letters fold. Characters outside ASCII never match, even those
// that Unicode folds to an ASCII letter (KELVIN SIGN, LONG S): "%Uſed…%" is not a placeholder,
// as a user reading the template would expect.
inline char16_t FoldAscii(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool MatchesAt(std::u16string_view text, std::size_t at, std::u16string_view lowerName) {
  if (text.size() - at < lowerName.size()) return false;
  for (std::size_t i = 0; i < lowerName.size(); ++i) {
    if (FoldAscii(text[at + i]) != lowerName[i]) return false;
  }
  return true;
}

[[noreturn]] void FailTooLong() {
  throw Error(status::kTooLong,
              UiText::TitleLongerThanBefore, FromUtf8(std::to_string(kMaxStampLength)),
              UiText::CharactersWord);
}

void CheckLength(std::size_t length) {
  if (length > kMaxStampLength) FailTooLong();
}

// One replace pass: every non-overlapping occurrence, left to right, over the text as it stands;
// the inserted value is not searched again by this pass. Returns false when nothing matched.
// Stops with kTooLong as soon as the result passes the stamp's bound, so a template of many
// placeholders never builds more than that.
bool ReplaceAll(std::u16string& text, std::u16string_view lowerName, std::u16string_view value,
                std::u16string& scratch) {
  std::size_t at = text.find(u'%');
  while (at != std::u16string::npos && !MatchesAt(text, at, lowerName)) at = text.find(u'%', at + 1);
  if (at == std::u16string::npos) return false;

  scratch.clear();
  std::size_t copied = 0;
  while (at != std::u16string::npos) {
    if (MatchesAt(text, at, lowerName)) {
      scratch.append(text, copied, at - copied);
      scratch.append(value);
      CheckLength(scratch.size());
      copied = at + lowerName.size();
      at = text.find(u'%', copied);
    } else {
      at = text.find(u'%', at + 1);
    }
  }
  CheckLength(scratch.size() + (text.size() - copied));
  scratch.append(text, copied, std::u16string::npos);
  text.swap(scratch);
  return true;
}

// MemoryLoad and its complement: plain decimal integers.
void AppendInteger(std::u16string& out, std::int32_t value) {
  AppendNumberText(out, static_cast<double>(value), u".");
}

}  // namespace

TitleFormatter::TitleFormatter(const std::u16string& titlePattern, const std::u16string& timeFormat,
                               const LocaleInfo& locale, ClockPort& clock, MemoryPort& memory)
    : storedPattern_(titlePattern), storedTimeFormat_(timeFormat), locale_(locale), clock_(clock),
      memory_(memory) {}

std::u16string TitleFormatter::FormatTitle(const std::optional<std::u16string>& PatternText,
                                           std::optional<double> TimeValue,
                                           const std::optional<std::u16string>& TimeFormatText) {
  // The clock is read once, first; the time is formatted before memory is touched, so a bad
  // format fails without a memory read.
  clockOnly_ = false;
  const double moment = TimeValue ? *TimeValue : clock_.CurrentSecond();
  const std::u16string_view format = TimeFormatText ? std::u16string_view(*TimeFormatText)
                                                    : std::u16string_view(storedTimeFormat_);
  // The calendar second (with a moment out of range this fails, as the formatting would).
  const CivilDateTime second = OleDateToCivil(moment);
  if (!(timeKnown_ && second == timeMoment_ && format == timeFormat_)) {
    timeKnown_ = false;
    timeText_ = FormatDateTime(moment, format, locale_);
    timeMoment_ = second;
    timeFormat_.assign(format);
    timeKnown_ = true;
  }
  // All 23 values live in one buffer, kept between calls.
  std::u16string& values = values_;
  values.clear();  // keeps its capacity
  values += timeText_;
  std::array<std::size_t, 24> ends{};
  ends[0] = values.size();

  // The time goes in first. A text left without a '%' holds no other placeholder, so the memory
  // figures are not read at all: most templates show only the time, and at short refresh rates
  // that read is most of what a tick costs.
  std::u16string text = PatternText ? *PatternText : storedPattern_;
  ReplaceAll(text, kPlaceholders[0], std::u16string_view(values).substr(0, ends[0]), scratch_);
  if (text.find(u'%') == std::u16string::npos) {
    CheckLength(text.size());
    clockOnly_ = !TimeValue && !PatternText;  // the stamp of the program's own settings
    return text;
  }

  const MemoryStatus m = memory_.GlobalMemoryStatus();
  const std::u16string_view dot = locale_.DecimalSeparator;
  AppendInteger(values, m.MemoryLoad);
  ends[1] = values.size();
  AppendInteger(values, 100 - m.MemoryLoad);
  ends[2] = values.size();
  // Step-by-step figures in table order; the "used" ones are differences in double precision.
  const std::array<double, 10> figures = {
      m.AvailPhys,     m.TotalPhys - m.AvailPhys,         m.TotalPhys,
      m.AvailPageFile, m.TotalPageFile - m.AvailPageFile, m.TotalPageFile,
      m.AvailVirtual,  m.TotalVirtual - m.AvailVirtual,   m.AvailExtendedVirtual,
      m.TotalVirtual};
  for (std::size_t i = 0; i < figures.size(); ++i) {
    AppendNumberText(values, figures[i], dot);
    ends[3 + i] = values.size();
  }
  for (std::size_t i = 0; i < figures.size(); ++i) {
    values += memory_.FormatByteSize(figures[i]);
    ends[13 + i] = values.size();
  }

  const std::u16string_view all = values;
  for (std::size_t step = 1; step < kPlaceholders.size(); ++step) {
    const std::size_t begin = ends[step - 1];
    ReplaceAll(text, kPlaceholders[step], all.substr(begin, ends[step] - begin), scratch_);
  }
  // A pass may shrink the text (a long name, a short value), so only the result is bounded.
  CheckLength(text.size());
  return text;
}

}  // namespace lartsen
