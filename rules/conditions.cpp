// Loading of the rules files into the rules table.
#include "rules/conditions.h"

#include <utility>

#include "rules/conditions_files.h"
#include "support/error.h"
#include "support/paths.h"

namespace lartsen {
namespace {

constexpr std::u16string_view kAnyValue = u"*";
constexpr std::u16string_view kEmptyValue = u"[]";

// A raw value as the table holds it: unquoted; empty means unconstrained, "[]" means empty.
std::u16string CellValue(const std::u16string& raw) {
  std::u16string cell = TrimQuotes(raw);
  if (cell.empty()) return std::u16string(kAnyValue);
  if (cell == kEmptyValue) return std::u16string();
  return cell;
}

}  // namespace

std::u16string ConditionsCountMessage(std::u16string_view FileName, UiLanguage language) {
  // The Russian wording, the missing first letter included, is the message users know.
  return std::u16string(FileName) + u"\r\n\r\n" + std::u16string(TextOf(UiText::ConditionsCountError, language));
}

std::u16string ConditionsUnreadableMessage(std::u16string_view FileName, std::u16string_view reason,
                                           UiLanguage language) {
  return std::u16string(FileName) + u"\r\n\r\n" + std::u16string(TextOf(UiText::ConditionsUnreadableBefore, language)) +
         std::u16string(reason);
}

void ConditionsLoader::LoadConditions() {
  std::vector<std::u16string> Lines;
  ReadConditionsFile(GetConditionsFileName(), Lines);
  ReadConditionsFile(GetDebugConditionsFileName(), Lines);
  ReadConditionsFile(GetOptionalConditionsFileName(), Lines);

  const std::size_t count = Lines.size() / 3;
  if (count == 0) return;

  // The new table is complete before it replaces the old one, so nothing ever sees half of it.
  ConditionsTable loaded;
  loaded.Conditions.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t c = 0; c < 3; ++c) {
      std::u16string& cell = loaded.Conditions[i][c];
      cell = CellValue(Lines[3 * i + c]);
      if (cell != kAnyValue) loaded.ConditionColumnsUsed[c] = true;
    }
  }
  loaded.ConditionsLoaded = true;
  table_ = std::move(loaded);
}

void ConditionsLoader::ReadConditionsFile(const std::u16string& FileName, std::vector<std::u16string>& Lines) {
  std::optional<std::vector<std::u16string>> values;
  try {
    values = reader_.ReadList(FileName, u";", true, true, 0, 0);
  } catch (const Error& error) {
    // A file that is there but cannot be read is as much the user's concern as a malformed one.
    messages_.ShowMessage(ConditionsUnreadableMessage(FileName, error.DescriptionIn(language_), language_), message_style::kCritical);
    return;
  }
  if (!values) return;
  if (values->size() % 3 != 0) {
    messages_.ShowMessage(ConditionsCountMessage(FileName, language_), message_style::kCritical);
    return;
  }
  for (std::u16string& value : *values) Lines.push_back(std::move(value));
}

std::u16string ConditionsLoader::GetConditionsFileName() { return lartsen::GetConditionsFileName(environment_); }

std::u16string ConditionsLoader::GetDebugConditionsFileName() {
  return lartsen::GetDebugConditionsFileName(environment_);
}

std::u16string ConditionsLoader::GetOptionalConditionsFileName() {
  return lartsen::GetOptionalConditionsFileName(environment_);
}

}  // namespace lartsen
