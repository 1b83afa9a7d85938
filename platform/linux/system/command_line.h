// The command line of lartsen: what the user asked this start to do.
#pragma once

#include <string>

#include "support/ui_text.h"

namespace lartsen {

enum class StartAction {
  Run,           // the resident program
  OpenSettings,  // the running copy opens its settings dialog; else the program starts with it
  Quit,          // the running copy ends the orderly way
  Help,
  Version,
  Misuse,        // an unknown option or a stray argument: usage on stderr, status 2
};

struct StartRequest {
  StartAction action = StartAction::Run;
  std::string complaint;  // for Misuse: what was wrong, in one line of UTF-8
};

// getopt-style long options (--help, -h, --version, -V, --settings, --quit); "--" ends them.
// Two actions at once are a misuse. The complaint speaks `language`.
StartRequest ParseCommandLine(int argc, char** argv, UiLanguage language);

// The usage text in `language`, UTF-8, ending in a line break.
std::string UsageText(UiLanguage language);

}  // namespace lartsen
