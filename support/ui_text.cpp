// The catalog of the program's texts in both languages, and the choice of language.
#include "support/ui_text.h"

#include <array>
#include <cstddef>

namespace lartsen {
namespace {

struct Entry {
  UiText Key;
  std::u16string_view Russian;
  std::u16string_view English;
};

// In key order: the table is indexed by the key.
constexpr std::array<Entry, static_cast<std::size_t>(UiText::Count)> kCatalog{{
    {UiText::MenuReload, u"Перезагрузить списки", u"Reload lists"},
    {UiText::MenuRuleCountLabel, u"    Всего правил:", u"    Rules in total:"},
    {UiText::MenuSettings, u"Настройки...", u"Settings..."},
    {UiText::MenuOptionalConditions, u"Дополнительные правила...", u"Additional rules..."},
    {UiText::MenuOptionalSamples, u"Примеры дополнительных правил...", u"Samples of additional rules..."},
    {UiText::MenuAutoStart, u"Запускать с Windows", u"Start with Windows"},
    {UiText::MenuAutoStartSession, u"Запускать при входе в систему", u"Start at login"},
    {UiText::MenuHelp, u"Справка", u"Help"},
    {UiText::MenuExit, u"Выход", u"Exit"},
    {UiText::MenuAbout, u"О программе...", u"About..."},
    {UiText::RulesUndefined, u"    Правила не определены", u"    No rules defined"},
    {UiText::RuleCountPrefix, u"    Всего правил: \t", u"    Rules in total: \t"},
    {UiText::UnexpectedError, u"Непредвиденная ошибка", u"Unexpected error"},
    {UiText::ErrorCodePrefix, u"Код ошибки ", u"Error code "},
    {UiText::RefreshRateLabel, u"Частота обновления (мс):", u"Refresh rate (ms):"},
    {UiText::TitlePatternLabel, u"Шаблон заголовка:", u"Title pattern:"},
    {UiText::TimeFormatLabel, u"Формат времени:", u"Time format:"},
    {UiText::CancelButton, u"Отмена", u"Cancel"},
    {UiText::PreviewTip, u" Предпросмотр ", u" Preview "},
    {UiText::RefreshRateRangeBefore, u"Частота обновления должна лежать в интервале от ",
     u"The refresh rate must lie between "},
    {UiText::RefreshRateRangeBetween, u" до ", u" and "},
    {UiText::TimeFormatTooLongBefore, u"Формат времени не должен быть длиннее ",
     u"The time format must not be longer than "},
    {UiText::TitlePatternTooLongBefore, u"Шаблон заголовка не должен быть длиннее ",
     u"The title pattern must not be longer than "},
    {UiText::StampTooLongBefore, u"Заголовок по этому шаблону вышел бы длиннее ",
     u"A title made by this pattern would be longer than "},
    {UiText::CharactersAfter, u" знаков.", u" characters."},
    {UiText::InvalidRefreshRate, u"Вы ввели неправильное значение частоты обновления.",
     u"The refresh rate you entered is not valid."},
    {UiText::TimeFormatErrorHeading, u"Ошибка в формате времени!", u"Error in the time format!"},
    {UiText::TitlePatternErrorHeading, u"Ошибка в шаблоне!", u"Error in the pattern!"},
    {UiText::SaveFailedHeading, u"Не удалось сохранить настройки.", u"The settings could not be saved."},
    {UiText::AboutCreditWindows, u"Автор: Nerrowind. Korvel — небольшие программы для Windows.",
     u"By Nerrowind. Korvel: small programs for Windows."},
    {UiText::AboutCreditLinux, u"Автор: Nerrowind. Korvel — небольшие программы для Windows и Linux.",
     u"By Nerrowind. Korvel: small programs for Windows and Linux."},
    // The read-me file
    {UiText::CannotOpenFileBefore, u"Не удаётся открыть файл ", u"Cannot open the file "},
}};

constexpr bool InKeyOrder() {
  for (std::size_t i = 0; i < kCatalog.size(); ++i) {
    if (static_cast<std::size_t>(kCatalog[i].Key) != i) return false;
  }
  return true;
}
static_assert(InKeyOrder(), "the catalog lists every key once, in key order");

// "ru", "ru_RU.UTF-8", "ru@…", "ru-RU" name Russian; "rus" or "run" do not.
bool NamesRussian(std::string_view locale) {
  if (locale.size() < 2 || locale[0] != 'r' || locale[1] != 'u') return false;
  return locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@' ||
         locale[2] == '-';
}

}  // namespace

std::u16string_view TextOf(UiText key, UiLanguage language) {
  const Entry& entry = kCatalog.at(static_cast<std::size_t>(key));
  return language == UiLanguage::Russian ? entry.Russian : entry.English;
}

std::optional<UiLanguage> LanguageOfSetting(std::u16string_view value) {
  while (!value.empty() && value.front() == u' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == u' ') value.remove_suffix(1);
  auto is = [&](std::u16string_view lower) {
    if (value.size() != lower.size()) return false;
    for (std::size_t i = 0; i < value.size(); ++i) {
      char16_t c = value[i];
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
      if (c != lower[i]) return false;
    }
    return true;
  };
  if (is(u"ru")) return UiLanguage::Russian;
  if (is(u"en")) return UiLanguage::English;
  return std::nullopt;
}

UiLanguage LanguageOfLangId(std::uint16_t langId) {
  constexpr std::uint16_t kPrimaryRussian = 0x19;
  return (langId & 0x3FF) == kPrimaryRussian ? UiLanguage::Russian : UiLanguage::English;
}

UiLanguage LanguageOfPosixEnvironment(const EnvironmentLookup& lookup) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::optional<std::string> value = lookup(name);
    if (!value || value->empty()) continue;
    // LANGUAGE is a colon-separated list in order of preference; its first entry speaks.
    const std::string_view first = std::string_view(*value).substr(0, value->find(':'));
    return NamesRussian(first) ? UiLanguage::Russian : UiLanguage::English;
  }
  return UiLanguage::English;
}

}  // namespace lartsen
