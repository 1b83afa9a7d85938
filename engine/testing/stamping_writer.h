// A title writer with its formatter and fake surroundings, for tests that stamp windows.
#pragma once

#include <string>
#include <utility>

#include "engine/title_writer.h"
#include "settings/settings.h"
#include "template/testing/title_fakes.h"
#include "template/title_format.h"

namespace lartsen::testing {

// Stamps "[%time%]" in the given format at the fake clock's moment (noon unless a test moves it).
struct StampingWriter {
  StampingWriter(WindowPort& windows, std::u16string timeFormat)
      : settings{std::move(timeFormat), u"[%time%]", 1000}, writer(windows, formatter) {}
  StampingWriter(const StampingWriter&) = delete;  // the writer refers to the members
  StampingWriter& operator=(const StampingWriter&) = delete;

  Settings settings;
  LocaleInfo locale = TestLocale();
  FakeClock clock;
  FakeMemory memory;
  TitleFormatter formatter{settings.TitlePattern, settings.TimeFormat, locale, clock, memory};
  TitleWriter writer;
};

}  // namespace lartsen::testing
