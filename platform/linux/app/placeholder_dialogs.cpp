// Information boxes naming the settings file and the program's version.
#include "platform/linux/app/placeholder_dialogs.h"

#include "platform/linux/system/ini_settings_store.h"
#include "support/text.h"

namespace lartsen::linux_app {

void PlaceholderSettingsDialog::ShowModal() {
  messages_.ShowMessage(u"Настройки хранятся в файле\n" + FromUtf8(DefaultSettingsPath()),
                        message_style::kInformation);
}

void PlaceholderAbout::ShowAbout() {
  messages_.ShowMessage(u"Ларцен " + FromUtf8(LARTSEN_VERSION) + u"\nВремя в заголовке активного окна.",
                        message_style::kInformation);
}

}  // namespace lartsen::linux_app
