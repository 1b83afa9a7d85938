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
    // The Linux program: dialog titles, session notes, the command line and its lines on stderr
    {UiText::SettingsCaption, u"Настройки", u"Settings"},
    {UiText::AboutCaption, u"О программе", u"About"},
    {UiText::SettingsNotRead, u"Настройки не прочитаны, действуют значения по умолчанию.",
     u"The settings were not read; the default values apply."},
    {UiText::NoTrayNote, u"Область уведомлений не найдена, поэтому Ларцен работает без значка.\r\n\r\n"
     u"Открыть настройки: lartsen --settings\r\n"
     u"Завершить программу: lartsen --quit\r\n\r\n"
     u"Эти команды есть и в меню запуска программ. Значок появится сам, когда область уведомлений заработает.",
     u"No notification area was found, so Lartsen runs without an icon.\r\n\r\n"
     u"Open the settings: lartsen --settings\r\n"
     u"End the program: lartsen --quit\r\n\r\n"
     u"These commands are in the applications menu too. The icon shows up by itself once a notification area starts."},
    {UiText::WaylandNote, u"Это сеанс Wayland. Ларцен ставит метку только в заголовки окон программ X11 (они работают "
     u"через XWayland): заголовок окна программы Wayland другая программа изменить не может.",
     u"This is a Wayland session. Lartsen stamps only the titles of X11 programs' windows (they run "
     u"through XWayland): no other program can change the title of a Wayland program's window."},
    {UiText::CommandLineUsage, u"Использование: lartsen [ПАРАМЕТР]\n"
     u"Дописывает метку (по умолчанию время) к заголовку активного окна X11.\n"
     u"\n"
     u"  --settings     открыть настройки работающей программы (или запустить её с ними)\n"
     u"  --quit         завершить работающую программу, вернув заголовки окон\n"
     u"  -h, --help     показать эту справку и выйти\n"
     u"  -V, --version  показать версию и выйти\n"
     u"\n"
     u"Без параметров программа запускается и работает из области уведомлений;\n"
     u"на одном X-сервере работает только одна копия.\n",
     u"Usage: lartsen [OPTION]\n"
     u"Appends a stamp (by default the time) to the title of the active X11 window.\n"
     u"\n"
     u"  --settings     open the running program's settings (or start it with them)\n"
     u"  --quit         end the running program, giving the windows their titles back\n"
     u"  -h, --help     show this help and exit\n"
     u"  -V, --version  show the version and exit\n"
     u"\n"
     u"Without an option the program starts and works from the notification area;\n"
     u"one copy runs per X server.\n"},
    {UiText::ChooseOneAction, u"выберите одно действие", u"choose one action"},
    {UiText::UnknownOptionBefore, u"неизвестный параметр ", u"unknown option "},
    {UiText::StrayArgumentBefore, u"лишний аргумент ", u"unexpected argument "},
    {UiText::AlreadyRunningHere, u"Ларцен уже работает на этом дисплее",
     u"Lartsen is already running on this display"},
    {UiText::NotRunningHere, u"Ларцен не запущен на этом дисплее",
     u"Lartsen is not running on this display"},
    {UiText::DidNotEndInTime, u"Ларцен не завершился за 10 секунд",
     u"Lartsen did not end within 10 seconds"},
    {UiText::SwayQuitFromMenu, u"в сеансе sway завершите программу из её меню",
     u"in a sway session, end the program from its menu"},
    {UiText::NeedsX11Session, u"нужен сеанс X11 (переменная DISPLAY не задана или X-сервер недоступен)",
     u"an X11 session is needed (DISPLAY is not set or the X server cannot be reached)"},
    {UiText::X11ConnectionLost, u"связь с X-сервером потеряна", u"the connection to the X server was lost"},
    {UiText::CouldNotReadBefore, u"Не удалось прочитать ", u"Could not read "},
    {UiText::CouldNotWriteBefore, u"Не удалось записать ", u"Could not write "},
    {UiText::CouldNotRemoveBefore, u"Не удалось удалить ", u"Could not remove "},
    {UiText::ProgramIconNotLoaded, u"Не удалось загрузить значок программы", u"The program's icon could not be loaded"},
    // The read-me file
    {UiText::CannotOpenFileBefore, u"Не удаётся открыть файл ", u"Cannot open the file "},
    // The Windows program: failures of its system calls
    {UiText::CannotCreateSettingsWindow, u"Не удалось создать окно настроек.", u"The settings window could not be created."},
    {UiText::CannotCheckRunningInstance, u"Не удаётся проверить, запущена ли программа", u"Cannot check whether the program is running"},
    {UiText::CannotLoadProgramIcon, u"Не удаётся загрузить значок программы", u"Cannot load the program's icon"},
    {UiText::CannotCreateMenu, u"Не удаётся создать меню", u"Cannot create the menu"},
    {UiText::CannotChangeMenu, u"Не удаётся изменить меню", u"Cannot change the menu"},
    {UiText::CannotStartTimer, u"Не удаётся запустить таймер", u"Cannot start the timer"},
    {UiText::CannotChangeAutoStart, u"Не удаётся изменить автозапуск", u"Cannot change the start with Windows"},
    {UiText::CannotFindProgramPath, u"Не удаётся определить путь программы", u"Cannot find the program's path"},
    {UiText::CannotFindSpecialFolder, u"Не удаётся найти особую папку", u"Cannot find a special folder"},
    {UiText::InvalidPath, u"Недопустимый путь", u"Invalid path"},
    {UiText::CannotRegisterMainWindowClass, u"Не удаётся зарегистрировать класс главного окна", u"Cannot register the main window's class"},
    {UiText::CannotCreateMainWindow, u"Не удаётся создать главное окно", u"Cannot create the main window"},
    {UiText::RegistryErrorPrefix, u"Ошибка реестра: ", u"Registry error: "},
    {UiText::InvalidRandomRange, u"Неверный интервал случайного числа.", u"Invalid range for a random number."},
    // Rules files, templates, stored values and the Linux program's system calls: failures
    {UiText::ConditionsCountError, u"Ошибка в файле условий. оличество строк должно быть кратно трём.", u"Error in the conditions file. The number of lines must be a multiple of three."},
    {UiText::ConditionsUnreadableBefore, u"Файл условий не удалось прочитать: ", u"The conditions file could not be read: "},
    {UiText::OpenOptionalConditionsFailed, u"Не удалось открыть файл с дополнительными правилами.", u"Could not open the file of additional rules."},
    {UiText::OpenOptionalSamplesFailed, u"Не удалось открыть файл с примерами дополнительными правилами.", u"Could not open the file of samples of additional rules."},
    {UiText::TitleLongerThanBefore, u"Заголовок по шаблону длиннее ", u"The title made by the pattern is longer than "},
    {UiText::CharactersWord, u" знаков", u" characters"},
    {UiText::TooManyTimeFormatSections, u"В формате времени больше четырёх разделов", u"The time format has more than four sections"},
    {UiText::NotADateFormat, u"Формат чисел или текста нельзя применить к дате и времени", u"A number or text format cannot be applied to a date and time"},
    {UiText::MomentOutOfRange, u"Момент времени вне допустимого диапазона (с 1 января 100 г. по 31 декабря 9999 г.)", u"The moment is out of range (1 January 100 to 31 December 9999)"},
    {UiText::NoSuchDateOrTime, u"Такой даты или времени не существует", u"No such date or time exists"},
    {UiText::Overflow, u"Переполнение", u"Overflow"},
    {UiText::TypeMismatch, u"Несоответствие типа", u"Type mismatch"},
    {UiText::SettingsStoreUnavailable, u"Хранилище настроек недоступно", u"The settings store is not available"},
    {UiText::XServerDidNotAnswerAtom, u"X-сервер не ответил на запрос атома", u"The X server did not answer an atom request"},
    {UiText::NoXServerConnection, u"Нет связи с X-сервером", u"No connection to the X server"},
    {UiText::XServerNamedNoScreen, u"X-сервер не назвал экран", u"The X server named no screen"},
    {UiText::XServerErrorBefore, u"X-сервер ответил ошибкой ", u"The X server answered with error "},
    {UiText::CannotCreateSignalPipe, u"Не удалось создать канал сигналов", u"Could not create the signal pipe"},
    {UiText::JournalKeepsOnlyBefore, u"Журнал хранит только ", u"The journal keeps only "},
    {UiText::NoJournalFolder, u"Нет папки для журнала помеченного окна", u"There is no folder for the journal of the stamped window"},
    {UiText::CouldNotOpenBefore, u"Не удалось открыть ", u"Could not open "},
    {UiText::CouldNotLockBefore, u"Не удалось заблокировать ", u"Could not lock "},
    {UiText::CannotFindProgramFolder, u"Не удалось узнать папку программы", u"Could not find the program's folder"},
    {UiText::UnknownSpecialFolder, u"Неизвестная особая папка", u"Unknown special folder"},
    {UiText::CannotGetFullPath, u"Не удалось получить полный путь", u"Could not get the full path"},
    {UiText::NoUserConfigFolder, u"Не найдена папка настроек пользователя", u"The user's settings folder was not found"},
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
