// The journal of the stamped windows in the settings store, and the test of a stamp it left.
#include "engine/stamp_journal.h"

#include <limits>
#include <utility>

namespace lartsen {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

void AppendNumber(std::u16string& text, std::uint64_t number) {
  char16_t digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + number % 10);
    number /= 10;
  } while (number != 0);
  while (count > 0) text.push_back(digits[--count]);
  text.push_back(u' ');
}

// Reads "<digits> " from the front of `text`; false when it is not there or does not fit.
bool TakeNumber(std::u16string_view& text, std::uint64_t max, std::uint64_t& number) {
  std::size_t at = 0;
  number = 0;
  while (at < text.size() && IsDigit(text[at])) {
    const std::uint64_t digit = static_cast<std::uint64_t>(text[at] - u'0');
    if (digit > max || number > (max - digit) / 10) return false;
    number = number * 10 + digit;
    ++at;
  }
  if (at == 0 || at >= text.size() || text[at] != u' ') return false;
  text.remove_prefix(at + 1);
  return true;
}

bool IsLetter(char16_t c) {
  const char16_t lower = static_cast<char16_t>(c | 0x20);
  if (lower >= u'a' && lower <= u'z') return true;
  // Latin letters with marks, Greek, Cyrillic and every script after them, short of the
  // punctuation, symbol and space blocks a template may hold as its own text.
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return false;
  return !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F) && !(c >= 0xFE30 && c <= 0xFE4F) &&
         !(c >= 0xFF00 && c <= 0xFF20);
}

// A separator inside a number: decimal and group marks, also the blanks some locales group with.
bool IsNumberSeparator(char16_t c) {
  return c == u'.' || c == u',' || c == u'\'' || c == u' ' || c == 0xA0 || c == 0x202F;
}

// The end of the number or word that starts at `at`, or `at` itself for any other character.
std::size_t RunEnd(std::u16string_view text, std::size_t at) {
  if (IsDigit(text[at])) {
    ++at;
    while (at < text.size() && (IsDigit(text[at]) || (IsNumberSeparator(text[at]) && at + 1 < text.size() &&
                                                       IsDigit(text[at + 1])))) {
      ++at;
    }
  } else if (IsLetter(text[at])) {
    while (at < text.size() && IsLetter(text[at])) ++at;
  }
  return at;
}

// The same text apart from its numbers and words, each of which may be another of any length.
bool SameShape(std::u16string_view a, std::u16string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const bool number = IsDigit(a[i]) && IsDigit(b[j]);
    if (number || (IsLetter(a[i]) && IsLetter(b[j]))) {
      i = RunEnd(a, i);
      j = RunEnd(b, j);
    } else if (a[i] == b[j]) {
      ++i;
      ++j;
    } else {
      return false;
    }
  }
  return i == a.size() && j == b.size();
}

// The text after "<own> " when `text` starts so.
std::optional<std::u16string_view> StampAfter(std::u16string_view text, std::u16string_view own) {
  if (text.size() <= own.size() || text.substr(0, own.size()) != own || text[own.size()] != u' ') {
    return std::nullopt;
  }
  return text.substr(own.size() + 1);
}

}  // namespace

std::u16string EncodeStampRecords(const StampRecords& records) {
  std::u16string text;
  for (const StampRecord& record : records) {
    text.reserve(text.size() + 48 + record.OwnTitle.size() + record.WrittenTitle.size());
    AppendNumber(text, record.Window);
    AppendNumber(text, record.ProcessId);
    AppendNumber(text, record.OwnTitle.size());
    AppendNumber(text, record.WrittenTitle.size());
    text.append(record.OwnTitle).append(record.WrittenTitle);
  }
  return text;
}

std::optional<StampRecords> DecodeStampRecords(std::u16string_view text) {
  StampRecords records;
  while (!text.empty()) {
    std::uint64_t window = 0, process = 0, ownLength = 0, writtenLength = 0;
    if (!TakeNumber(text, std::numeric_limits<WindowHandle>::max(), window) ||
        !TakeNumber(text, std::numeric_limits<std::uint32_t>::max(), process) ||
        !TakeNumber(text, text.size(), ownLength) || !TakeNumber(text, text.size(), writtenLength) ||
        ownLength + writtenLength > text.size() || window == 0) {
      return std::nullopt;
    }
    StampRecord& record = records.emplace_back();
    record.Window = static_cast<WindowHandle>(window);
    record.ProcessId = static_cast<std::uint32_t>(process);
    record.OwnTitle = text.substr(0, ownLength);
    record.WrittenTitle = text.substr(ownLength, writtenLength);
    text.remove_prefix(ownLength + writtenLength);
  }
  return records;
}

StoredStampJournal::StoredStampJournal(SettingsStoreFactory makeStore)
    : makeStore_(std::move(makeStore)) {}

void StoredStampJournal::Record(const StampRecords& records) {
  makeStore_()->WriteSetting(u"", kStampJournalKey, SettingKind::Text, EncodeStampRecords(records));
}

void StoredStampJournal::Clear() {
  makeStore_()->WriteSetting(u"", kStampJournalKey, SettingKind::Text, std::u16string());
}

StampRecords StoredStampJournal::Read() {
  const SettingValue value =
      makeStore_()->ReadSetting(u"", kStampJournalKey, SettingKind::Text, std::u16string());
  const auto* text = std::get_if<std::u16string>(&value);
  if (text == nullptr) return {};
  auto records = DecodeStampRecords(*text);
  return records ? std::move(*records) : StampRecords();
}

bool ShowsStampOf(std::u16string_view shown, const StampRecord& record,
                  std::u16string_view freshStamp) {
  const auto stamp = StampAfter(shown, record.OwnTitle);
  if (!stamp) return false;
  const auto written = StampAfter(record.WrittenTitle, record.OwnTitle);
  return (written && SameShape(*stamp, *written)) || SameShape(*stamp, freshStamp);
}

}  // namespace lartsen
