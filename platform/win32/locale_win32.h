// The user's regional settings on Windows, as the portable locale record.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/locale_calls_win32.h"
#include "platform/win32/owned_win32.h"
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
// The key where the system keeps the user's settings is watched (a change notification, no
// reading): a change that the system did not announce is noticed at the next check. Should the
// watch be impossible, the settings are compared anew at most every few seconds instead.
class UserLocale {
 public:
  explicit UserLocale(const LocaleCalls& calls = LocaleCalls::Host());
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;

  const LocaleInfo& Record() const { return record_; }
  // Reads the settings again (the system announced a change); true when the record changed.
  bool Reread();
  // Reads them again when the watched key has changed (looked at every kWatchCheckMs), or,
  // without a watch, when the last reading is older than `milliseconds`. Cheap otherwise.
  // True when the record changed.
  bool RereadWhenChanged(unsigned long milliseconds);
  bool Watching() const { return static_cast<bool>(changed_); }

  static constexpr unsigned long kWatchCheckMs = 250;

 private:
  // The settings the record is made of, as one text: the record is rebuilt only when it differs.
  std::u16string SettingsText() const;
  // Asks for the next change of the key; gives up the watch when that fails.
  void Watch();

  const LocaleCalls& calls_;
  LocaleInfo record_;
  std::u16string settings_;
  unsigned long readAtMs_;
  unsigned long checkedAtMs_;
  RegistryKey key_;
  OwnedHandle changed_;  // signalled when the key changes; none without a watch
};

}  // namespace lartsen::win32
