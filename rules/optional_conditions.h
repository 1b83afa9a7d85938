// The tray commands that open the per-user rules file and the examples file in the user's editor.
#pragma once

#include <string>
#include <string_view>

#include "support/shell_port.h"
#include "fsutil/complex_directory.h"
#include "rules/conditions_files.h"
#include "support/environment_port.h"
#include "support/host_port.h"
#include "support/message_port.h"
#include "support/ui_text.h"

namespace lartsen {

inline constexpr std::u16string_view kOptionalConditionsSamplesName = u"Conditions.Optional.INI";

// Keeps no state: each use computes its paths anew. Neither command reloads the rules.
class OptionalConditions {
 public:
  OptionalConditions(EnvironmentPort& environment, HostPort& host,
                     ComplexDirectory& directories, ShellPort& shell, MessagePort& messages,
                     UiLanguage language = UiLanguage::Russian);

  // Creates the per-user folder when missing, then opens its rules file with that folder as
  // the working directory; a failed open is reported. The folder name is not representable
  // in every ANSI code page, so NT hosts create it through the wide calls.
  void OpenOptionalConditions();
  // Opens the examples file beside the program; creates nothing.
  void OpenOptionalConditionsSamples();
  // Program folder (its "Output" subfolder for a developer build) + "Conditions.Optional.INI".
  std::u16string GetOptionalConditionsSamplesFileName();

 private:
  EnvironmentPort& environment_;
  HostPort& host_;
  ComplexDirectory& directories_;
  ShellPort& shell_;
  MessagePort& messages_;
  UiLanguage language_;  // of the failure messages
};

}  // namespace lartsen
