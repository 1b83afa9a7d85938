// Presenting a failure to the user: a message box with a heading and the error's description.
#include "settings/error_reporter.h"

#include <cstdio>
#include <string>

namespace lartsen {

ErrorReporter::ErrorReporter(MessagePort& messages, UiLanguage language)
    : messages_(messages), language_(language) {}

void ErrorReporter::ReportError(const Error& error, unsigned style, std::u16string_view heading) {
  std::u16string text(heading);
  std::u16string description = error.DescriptionIn(language_);
  if (description.empty()) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(error.status()));
    description = TextOf(UiText::ErrorCodePrefix, language_);
    for (const char* p = code; *p != 0; ++p) description += static_cast<char16_t>(*p);
  }
  if (!text.empty()) text += u"\r\n\r\n";
  text += description;
  messages_.ShowMessage(text, style);
}

}  // namespace lartsen
