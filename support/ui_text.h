// The program's own words to the user, in Russian and English, keyed by what they are for.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lartsen {

enum class UiLanguage { Russian, English };

// Every text the program says, by purpose. Box titles, keys and file names are not here: they
// are the same in every language.
enum class UiText {
  MenuReload,
  MenuRuleCountLabel,     // the state line before the rules are counted
  MenuSettings,
  MenuOptionalConditions,
  MenuOptionalSamples,
  MenuAutoStart,
  MenuAutoStartSession,   // the same where the program starts with the desktop session
  MenuHelp,               // the submenu and its read-me item
  MenuExit,
  MenuAbout,
  RulesUndefined,         // the state line when no rules are loaded
  RuleCountPrefix,        // the state line before its count
  UnexpectedError,
  ErrorCodePrefix,
  RefreshRateLabel,
  TitlePatternLabel,
  TimeFormatLabel,
  CancelButton,
  PreviewTip,
  RefreshRateRangeBefore,  // "... from " <min> " to " <max> "."
  RefreshRateRangeBetween,
  TimeFormatTooLongBefore,  // ... <count> " characters."
  TitlePatternTooLongBefore,
  StampTooLongBefore,
  CharactersAfter,
  InvalidRefreshRate,
  TimeFormatErrorHeading,
  TitlePatternErrorHeading,
  SaveFailedHeading,
  AboutCreditWindows,
  AboutCreditLinux,
  // The Linux program: dialog titles, session notes, the command line and its lines on stderr
  SettingsCaption,
  AboutCaption,
  SettingsNotRead,          // the box when the settings file is there but cannot be read
  NoTrayNote,
  WaylandNote,
  CommandLineUsage,         // the usage text, ending in a line break
  ChooseOneAction,
  UnknownOptionBefore,      // ... <the option>
  StrayArgumentBefore,      // ... <the argument>
  AlreadyRunningHere,
  NotRunningHere,
  DidNotEndInTime,
  SwayQuitFromMenu,
  NeedsX11Session,
  X11ConnectionLost,
  CouldNotReadBefore,       // ... <the file>: <the system's reason>
  CouldNotWriteBefore,
  CouldNotRemoveBefore,
  ProgramIconNotLoaded,
  // The read-me file
  CannotOpenFileBefore,  // ... <file name>
  // The Windows program: failures of its system calls
  CannotCreateSettingsWindow,
  CannotCheckRunningInstance,
  CannotLoadProgramIcon,
  CannotCreateMenu,
  CannotChangeMenu,
  CannotStartTimer,
  CannotChangeAutoStart,
  CannotFindProgramPath,
  CannotFindSpecialFolder,
  InvalidPath,
  CannotRegisterMainWindowClass,
  CannotCreateMainWindow,
  RegistryErrorPrefix,
  InvalidRandomRange,
  // Rules files, templates, stored values and the Linux program's system calls: failures
  ConditionsCountError,  // after the file name; the missing letter is the wording users know
  ConditionsUnreadableBefore,  // ... <the reason>
  OpenOptionalConditionsFailed,
  OpenOptionalSamplesFailed,
  TitleLongerThanBefore,  // ... <count> CharactersWord
  CharactersWord,
  TooManyTimeFormatSections,
  NotADateFormat,
  MomentOutOfRange,
  NoSuchDateOrTime,
  Overflow,
  TypeMismatch,
  SettingsStoreUnavailable,
  XServerDidNotAnswerAtom,
  NoXServerConnection,
  XServerNamedNoScreen,
  XServerErrorBefore,  // ... <the error code>
  CannotCreateSignalPipe,
  JournalKeepsOnlyBefore,  // ... <its key>
  NoJournalFolder,
  CouldNotOpenBefore,  // ... <the file>
  CouldNotLockBefore,  // ... <the file>
  CannotFindProgramFolder,
  UnknownSpecialFolder,
  CannotGetFullPath,
  NoUserConfigFolder,
  Count
};

// The text of `key` in `language`.
std::u16string_view TextOf(UiText key, UiLanguage language);

// The language named by the "Language" setting: "ru", "en", or nothing for the system's choice
// (blank, or a value the program does not speak).
std::optional<UiLanguage> LanguageOfSetting(std::u16string_view value);

// Russian for a Windows language id whose primary language is Russian; English for any other.
UiLanguage LanguageOfLangId(std::uint16_t langId);

// The language a POSIX environment asks for: the first of LANGUAGE, LC_ALL, LC_MESSAGES, LANG
// that is set and not empty decides; Russian when it names Russian ("ru", "ru_RU.UTF-8",
// the first entry of a LANGUAGE list), English otherwise.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
UiLanguage LanguageOfPosixEnvironment(const EnvironmentLookup& lookup);

}  // namespace lartsen
