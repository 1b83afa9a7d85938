// The user's regional settings on Windows, as the portable locale record.
#pragma once

#include <string>

#include "platform/win32/locale_calls_win32.h"
#include "template/locale_info.h"

namespace lartsen::win32 {

// The name of the user's default locale ("ru-RU").
std::u16string UserDefaultLocaleName();

// Names, separators and designators of the user's default locale; the compound forms call the
// platform's date formatter so that they keep its grammar. `calls` must live as long as the
// record (both routes do: they are kept for the whole run).
LocaleInfo UserDefaultLocaleInfo(const LocaleCalls& calls = LocaleCalls::Host());

// The record of the user's regional settings, kept in step with them while the program runs.
// The record stays the same object, so those holding it by reference see every change.
class UserLocale {
 public:
  explicit UserLocale(const LocaleCalls& calls = LocaleCalls::Host());
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;

  const LocaleInfo& Record() const { return record_; }
  // Reads the settings again (the system announced a change); true when the record changed.
  bool Reread();
  // Reads them again when the last reading is older than this: a change the system did not
  // announce shows within that time. Cheap otherwise. True when the record changed.
  bool RereadWhenOlderThan(unsigned long milliseconds);

 private:
  // The settings the record is made of, as one text: the record is rebuilt only when it differs.
  std::u16string SettingsText() const;

  const LocaleCalls& calls_;
  LocaleInfo record_;
  std::u16string settings_;
  unsigned long readAtMs_;
};

}  // namespace lartsen::win32
