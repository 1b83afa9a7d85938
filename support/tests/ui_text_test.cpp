// The texts catalog: both languages for every key, the Russian texts as the program always
// said them, and the choice of language from settings and surroundings.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/ui_text.h"

namespace lartsen {
namespace {

TEST(UiTextCatalog, EveryKeyHasBothLanguagesAndTheyDiffer) {
  for (int i = 0; i < static_cast<int>(UiText::Count); ++i) {
    const auto key = static_cast<UiText>(i);
    EXPECT_FALSE(TextOf(key, UiLanguage::Russian).empty()) << i;
    EXPECT_FALSE(TextOf(key, UiLanguage::English).empty()) << i;
    EXPECT_NE(TextOf(key, UiLanguage::Russian), TextOf(key, UiLanguage::English)) << i;
    for (char16_t c : TextOf(key, UiLanguage::English)) EXPECT_LT(c, 0x80) << i;
  }
}

TEST(UiTextCatalog, RussianTextsAreTheProgramsOwn) {
  const std::map<UiText, std::u16string_view> expected{
      {UiText::MenuReload, u"Перезагрузить списки"},
      {UiText::MenuRuleCountLabel, u"    Всего правил:"},
      {UiText::MenuSettings, u"Настройки..."},
      {UiText::MenuOptionalConditions, u"Дополнительные правила..."},
      {UiText::MenuOptionalSamples, u"Примеры дополнительных правил..."},
      {UiText::MenuAutoStart, u"Запускать с Windows"},
      {UiText::MenuAutoStartSession, u"Запускать при входе в систему"},
      {UiText::MenuHelp, u"Справка"},
      {UiText::MenuExit, u"Выход"},
      {UiText::MenuAbout, u"О программе..."},
      {UiText::RulesUndefined, u"    Правила не определены"},
      {UiText::RuleCountPrefix, u"    Всего правил: \t"},
      {UiText::UnexpectedError, u"Непредвиденная ошибка"},
      {UiText::ErrorCodePrefix, u"Код ошибки "},
      {UiText::RefreshRateLabel, u"Частота обновления (мс):"},
      {UiText::TitlePatternLabel, u"Шаблон заголовка:"},
      {UiText::TimeFormatLabel, u"Формат времени:"},
      {UiText::CancelButton, u"Отмена"},
      {UiText::PreviewTip, u" Предпросмотр "},
      {UiText::RefreshRateRangeBefore, u"Частота обновления должна лежать в интервале от "},
      {UiText::RefreshRateRangeBetween, u" до "},
      {UiText::TimeFormatTooLongBefore, u"Формат времени не должен быть длиннее "},
      {UiText::TitlePatternTooLongBefore, u"Шаблон заголовка не должен быть длиннее "},
      {UiText::StampTooLongBefore, u"Заголовок по этому шаблону вышел бы длиннее "},
      {UiText::CharactersAfter, u" знаков."},
      {UiText::InvalidRefreshRate, u"Вы ввели неправильное значение частоты обновления."},
      {UiText::TimeFormatErrorHeading, u"Ошибка в формате времени!"},
      {UiText::TitlePatternErrorHeading, u"Ошибка в шаблоне!"},
      {UiText::SaveFailedHeading, u"Не удалось сохранить настройки."},
      {UiText::AboutCreditWindows, u"Автор: Nerrowind. Korvel — небольшие программы для Windows."},
      {UiText::AboutCreditLinux, u"Автор: Nerrowind. Korvel — небольшие программы для Windows и Linux."},
      // The Linux program: dialog titles, session notes, the command line and its lines on stderr
      {UiText::SettingsCaption, u"Настройки"},
      {UiText::AboutCaption, u"О программе"},
      {UiText::SettingsNotRead, u"Настройки не прочитаны, действуют значения по умолчанию."},
      {UiText::NoTrayNote, u"Область уведомлений не найдена, поэтому Ларцен работает без значка.\r\n\r\n"
       u"Открыть настройки: lartsen --settings\r\n"
       u"Завершить программу: lartsen --quit\r\n\r\n"
       u"Эти команды есть и в меню запуска программ. Значок появится сам, когда область уведомлений заработает."},
      {UiText::WaylandNote,
       u"Это сеанс Wayland. Ларцен ставит метку только в заголовки окон программ X11 (они работают "
       u"через XWayland): заголовок окна программы Wayland другая программа изменить не может."},
      {UiText::CommandLineUsage, u"Использование: lartsen [ПАРАМЕТР]\n"
       u"Дописывает метку (по умолчанию время) к заголовку активного окна X11.\n"
       u"\n"
       u"  --settings     открыть настройки работающей программы (или запустить её с ними)\n"
       u"  --quit         завершить работающую программу, вернув заголовки окон\n"
       u"  -h, --help     показать эту справку и выйти\n"
       u"  -V, --version  показать версию и выйти\n"
       u"\n"
       u"Без параметров программа запускается и работает из области уведомлений;\n"
       u"на одном X-сервере работает только одна копия.\n"},
      {UiText::ChooseOneAction, u"выберите одно действие"},
      {UiText::UnknownOptionBefore, u"неизвестный параметр "},
      {UiText::StrayArgumentBefore, u"лишний аргумент "},
      {UiText::AlreadyRunningHere, u"Ларцен уже работает на этом дисплее"},
      {UiText::NotRunningHere, u"Ларцен не запущен на этом дисплее"},
      {UiText::DidNotEndInTime, u"Ларцен не завершился за 10 секунд"},
      {UiText::SwayQuitFromMenu, u"в сеансе sway завершите программу из её меню"},
      {UiText::NeedsX11Session, u"нужен сеанс X11 (переменная DISPLAY не задана или X-сервер недоступен)"},
      {UiText::X11ConnectionLost, u"связь с X-сервером потеряна"},
      {UiText::CouldNotReadBefore, u"Не удалось прочитать "},
      {UiText::CouldNotWriteBefore, u"Не удалось записать "},
      {UiText::CouldNotRemoveBefore, u"Не удалось удалить "},
      {UiText::ProgramIconNotLoaded, u"Не удалось загрузить значок программы"},
      // The read-me file
      {UiText::CannotOpenFileBefore, u"Не удаётся открыть файл "},
      // The Windows program: failures of its system calls
      {UiText::CannotCreateSettingsWindow, u"Не удалось создать окно настроек."},
      {UiText::CannotCheckRunningInstance, u"Не удаётся проверить, запущена ли программа"},
      {UiText::CannotLoadProgramIcon, u"Не удаётся загрузить значок программы"},
      {UiText::CannotCreateMenu, u"Не удаётся создать меню"},
      {UiText::CannotChangeMenu, u"Не удаётся изменить меню"},
      {UiText::CannotStartTimer, u"Не удаётся запустить таймер"},
      {UiText::CannotChangeAutoStart, u"Не удаётся изменить автозапуск"},
      {UiText::CannotFindProgramPath, u"Не удаётся определить путь программы"},
      {UiText::CannotFindSpecialFolder, u"Не удаётся найти особую папку"},
      {UiText::InvalidPath, u"Недопустимый путь"},
      {UiText::CannotRegisterMainWindowClass, u"Не удаётся зарегистрировать класс главного окна"},
      {UiText::CannotCreateMainWindow, u"Не удаётся создать главное окно"},
      {UiText::RegistryErrorPrefix, u"Ошибка реестра: "},
      {UiText::InvalidRandomRange, u"Неверный интервал случайного числа."},
      {UiText::ConditionsCountError, u"Ошибка в файле условий. оличество строк должно быть кратно трём."},
      {UiText::ConditionsUnreadableBefore, u"Файл условий не удалось прочитать: "},
      {UiText::OpenOptionalConditionsFailed, u"Не удалось открыть файл с дополнительными правилами."},
      {UiText::OpenOptionalSamplesFailed, u"Не удалось открыть файл с примерами дополнительными правилами."},
      {UiText::TitleLongerThanBefore, u"Заголовок по шаблону длиннее "},
      {UiText::CharactersWord, u" знаков"},
      {UiText::TooManyTimeFormatSections, u"В формате времени больше четырёх разделов"},
      {UiText::NotADateFormat, u"Формат чисел или текста нельзя применить к дате и времени"},
      {UiText::MomentOutOfRange, u"Момент времени вне допустимого диапазона (с 1 января 100 г. по 31 декабря 9999 г.)"},
      {UiText::NoSuchDateOrTime, u"Такой даты или времени не существует"},
      {UiText::Overflow, u"Переполнение"},
      {UiText::TypeMismatch, u"Несоответствие типа"},
      {UiText::SettingsStoreUnavailable, u"Хранилище настроек недоступно"},
      {UiText::XServerDidNotAnswerAtom, u"X-сервер не ответил на запрос атома"},
      {UiText::NoXServerConnection, u"Нет связи с X-сервером"},
      {UiText::XServerNamedNoScreen, u"X-сервер не назвал экран"},
      {UiText::XServerErrorBefore, u"X-сервер ответил ошибкой "},
      {UiText::CannotCreateSignalPipe, u"Не удалось создать канал сигналов"},
      {UiText::JournalKeepsOnlyBefore, u"Журнал хранит только "},
      {UiText::NoJournalFolder, u"Нет папки для журнала помеченного окна"},
      {UiText::CouldNotOpenBefore, u"Не удалось открыть "},
      {UiText::CouldNotLockBefore, u"Не удалось заблокировать "},
      {UiText::CannotFindProgramFolder, u"Не удалось узнать папку программы"},
      {UiText::UnknownSpecialFolder, u"Неизвестная особая папка"},
      {UiText::CannotGetFullPath, u"Не удалось получить полный путь"},
      {UiText::NoUserConfigFolder, u"Не найдена папка настроек пользователя"},
  };
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(UiText::Count));
  for (const auto& [key, text] : expected) EXPECT_EQ(TextOf(key, UiLanguage::Russian), text);
}

TEST(UiLanguageChoice, SettingValue) {
  EXPECT_EQ(LanguageOfSetting(u"ru"), UiLanguage::Russian);
  EXPECT_EQ(LanguageOfSetting(u" EN "), UiLanguage::English);
  EXPECT_EQ(LanguageOfSetting(u""), std::nullopt);
  EXPECT_EQ(LanguageOfSetting(u"de"), std::nullopt);
  EXPECT_EQ(LanguageOfSetting(u"rus"), std::nullopt);
}

TEST(UiLanguageChoice, WindowsLanguageIdByPrimaryLanguage) {
  EXPECT_EQ(LanguageOfLangId(0x0419), UiLanguage::Russian);  // Russia
  EXPECT_EQ(LanguageOfLangId(0x0819), UiLanguage::Russian);  // Moldova
  EXPECT_EQ(LanguageOfLangId(0x0409), UiLanguage::English);
  EXPECT_EQ(LanguageOfLangId(0x0422), UiLanguage::English);  // Ukrainian is not Russian
}

TEST(UiLanguageChoice, PosixVariablesInOrderOfPrecedence) {
  auto choose = [](std::map<std::string, std::string> vars) {
    return LanguageOfPosixEnvironment([&](const char* name) -> std::optional<std::string> {
      const auto found = vars.find(name);
      if (found == vars.end()) return std::nullopt;
      return found->second;
    });
  };
  EXPECT_EQ(choose({}), UiLanguage::English);
  EXPECT_EQ(choose({{"LANG", "ru_RU.UTF-8"}}), UiLanguage::Russian);
  EXPECT_EQ(choose({{"LANG", "C.UTF-8"}}), UiLanguage::English);
  EXPECT_EQ(choose({{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}), UiLanguage::English);
  EXPECT_EQ(choose({{"LANG", "en_US.UTF-8"}, {"LC_ALL", "ru_UA.UTF-8"}}), UiLanguage::Russian);
  EXPECT_EQ(choose({{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "en:ru"}}), UiLanguage::English);
  EXPECT_EQ(choose({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru:en"}}), UiLanguage::Russian);
  EXPECT_EQ(choose({{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", ""}}), UiLanguage::Russian);
  EXPECT_EQ(choose({{"LANG", "rue_UA.UTF-8"}}), UiLanguage::English);
}

}  // namespace
}  // namespace lartsen
