// The journal file: read whole, replaced whole, removed when the journal is cleared.
#include "platform/linux/system/journal_file_store.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "engine/stamp_journal.h"
#include "platform/linux/system/display_name.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/linux_paths.h"
#include "platform/linux/system/safe_file.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {

SettingValue JournalFileStore::ReadSetting(std::u16string_view section, std::u16string_view key,
                                           SettingKind, const SettingValue& defaultValue) {
  if (!section.empty() || key != kStampJournalKey || path_.empty()) return defaultValue;
  const auto text = ReadFileText(path_);
  if (!text) return defaultValue;
  return FromUtf8(*text);
}

void JournalFileStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                    SettingKind, const SettingValue& value) {
  if (!section.empty() || key != kStampJournalKey) {
    throw Error(status::kInvalidArgument, UiText::JournalKeepsOnlyBefore, std::u16string(kStampJournalKey));
  }
  if (path_.empty()) throw Error(status::kFail, UiText::NoJournalFolder);
  const std::u16string text = SettingToText(value);
  if (text.empty()) {
    if (unlink(path_.c_str()) != 0 && errno != ENOENT) {
      throw Error(status::kFail, UiText::CouldNotRemoveBefore, FromUtf8(path_) + u": " + FromUtf8(std::strerror(errno)));
    }
    return;
  }
  ReplaceFileText(path_, ToUtf8(text), 0600);
}

std::string DefaultJournalPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string folder;
  if (runtime && runtime[0] == '/') {
    folder = runtime;
  } else {
    try {
      folder = ProgramConfigFolder();
    } catch (const Error&) {
      return {};  // no folder of the user's own: no journal, rather than one in a shared place
    }
  }
  return folder + "/lartsen-" + DisplayFileKey() + ".journal";
}

void MoveJournalOutOfSettings(IniSettingsStore& settings, SettingsStorePort& journal) {
  const SettingValue old = settings.ReadSetting(u"", kStampJournalKey, SettingKind::Text, SettingValue{});
  if (std::holds_alternative<std::monostate>(old)) return;
  const SettingValue current = journal.ReadSetting(u"", kStampJournalKey, SettingKind::Text, std::u16string());
  const auto* oldText = std::get_if<std::u16string>(&old);
  const auto* currentText = std::get_if<std::u16string>(&current);
  if (oldText && !oldText->empty() && (!currentText || currentText->empty())) {
    journal.WriteSetting(u"", kStampJournalKey, SettingKind::Text, *oldText);
  }
  settings.RemoveSetting(u"", kStampJournalKey);
}

}  // namespace lartsen
