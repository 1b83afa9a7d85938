// The settings dialog's services over fakes, for the dialog tests of every platform.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_dialog_services.h"
#include "settings/testing/recording_store.h"
#include "support/testing/fake_clock.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_memory.h"
#include "support/testing/fake_random.h"

namespace lartsen::testing {

// Stored settings "hh:nn", "[%time%]" and 1000 ms; a clock at 6 May 2024 07:08:09; a program
// folder the test names (one that need not exist); the keys of every settings write recorded.
struct FakeDialogServices {
  FakeDialogServices(const LocaleInfo& locale, std::u16string programFolder, ShellPort& shell)
      : folder(std::move(programFolder)),
        services{settings, locale, clock, random, memory, folder, shell,
                 [this] { return std::make_unique<RecordingStore>(writes); }} {}
  FakeDialogServices(const FakeDialogServices&) = delete;  // the services refer to the members
  FakeDialogServices& operator=(const FakeDialogServices&) = delete;

  Settings settings{u"hh:nn", u"[%time%]", 1000};
  FakeClock clock = ClockAt(2024, 5, 6, 7, 8, 9);
  FakeRandom random;
  NoMemory memory;
  FakeEnvironment folder;
  std::vector<std::u16string> writes;
  SettingsDialogServices services;
};

}  // namespace lartsen::testing
