// The journal of the stamped window in the settings store, and the restore at the next start.
#include "engine/stamp_journal.h"

#include <limits>

#include "support/error.h"

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

// The same text apart from its runs of digits, each of which may have any length.
bool SameShape(std::u16string_view a, std::u16string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      while (i < a.size() && IsDigit(a[i])) ++i;
      while (j < b.size() && IsDigit(b[j])) ++j;
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

StoredStampJournal::StoredStampJournal(SettingsStoreFactory makeStore)
    : makeStore_(std::move(makeStore)) {}

std::u16string StoredStampJournal::Encode(const StampRecord& record) {
  std::u16string text;
  text.reserve(40 + record.OwnTitle.size() + record.WrittenTitle.size());
  AppendNumber(text, record.Window);
  AppendNumber(text, record.ProcessId);
  AppendNumber(text, record.OwnTitle.size());
  text.append(record.OwnTitle).append(record.WrittenTitle);
  return text;
}

std::optional<StampRecord> StoredStampJournal::Decode(std::u16string_view text) {
  std::uint64_t window = 0, process = 0, ownLength = 0;
  if (!TakeNumber(text, std::numeric_limits<WindowHandle>::max(), window) ||
      !TakeNumber(text, std::numeric_limits<std::uint32_t>::max(), process) ||
      !TakeNumber(text, text.size(), ownLength) || ownLength > text.size() || window == 0) {
    return std::nullopt;
  }
  StampRecord record;
  record.Window = static_cast<WindowHandle>(window);
  record.ProcessId = static_cast<std::uint32_t>(process);
  record.OwnTitle = text.substr(0, ownLength);
  record.WrittenTitle = text.substr(ownLength);
  return record;
}

void StoredStampJournal::Record(const StampRecord& record) {
  makeStore_()->WriteSetting(u"", kStampJournalKey, SettingKind::Text, Encode(record));
}

void StoredStampJournal::Clear() {
  makeStore_()->WriteSetting(u"", kStampJournalKey, SettingKind::Text, std::u16string());
}

std::optional<StampRecord> StoredStampJournal::Read() {
  const SettingValue value =
      makeStore_()->ReadSetting(u"", kStampJournalKey, SettingKind::Text, std::u16string());
  const auto* text = std::get_if<std::u16string>(&value);
  return text ? Decode(*text) : std::nullopt;
}

bool ShowsStampOf(std::u16string_view shown, const StampRecord& record,
                  std::u16string_view freshStamp) {
  const auto stamp = StampAfter(shown, record.OwnTitle);
  if (!stamp) return false;
  const auto written = StampAfter(record.WrittenTitle, record.OwnTitle);
  return (written && SameShape(*stamp, *written)) || SameShape(*stamp, freshStamp);
}

void RestoreLeftStamp(StampJournalPort& journal, WindowPort& windows,
                      std::u16string_view freshStamp) {
  if (const auto record = journal.Read()) {
    // A handle may have been given to a new window since; the process tells them apart.
    if (windows.GetWindowProcessId(record->Window) == record->ProcessId &&
        ShowsStampOf(windows.GetWindowText(record->Window), *record, freshStamp)) {
      windows.SetWindowText(record->Window, record->OwnTitle);
    }
  }
  journal.Clear();
}

void RestoreLeftStamp(StampJournalPort& journal, WindowPort& windows, TitleFormatter& formatter) {
  std::u16string stamp;
  try {
    stamp = formatter.FormatTitle(std::nullopt, std::nullopt, std::nullopt);
  } catch (const Error&) {
  }
  RestoreLeftStamp(journal, windows, stamp);
}

}  // namespace lartsen
