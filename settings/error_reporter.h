// Presenting a failure to the user: a message box with a heading and the error's description.
#pragma once

#include <string_view>

#include "support/error.h"
#include "support/message_port.h"
#include "support/ui_text.h"

namespace lartsen {

class ErrorReporter {
 public:
  explicit ErrorReporter(MessagePort& messages, UiLanguage language = UiLanguage::Russian);
  // The box shows the heading, an empty line and the description (or the status code when
  // the error carries no description) with the given message style.
  void ReportError(const Error& error, unsigned style, std::u16string_view heading);

 private:
  MessagePort& messages_;
  UiLanguage language_;
};

}  // namespace lartsen
