// Parses the options with getopt_long, silently, so that the program words its own complaints.
#include "platform/linux/system/command_line.h"

#include <getopt.h>

#include "support/text.h"

namespace lartsen {

StartRequest ParseCommandLine(int argc, char** argv, UiLanguage language) {
  static const option kOptions[] = {
      {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},
      {"settings", no_argument, nullptr, 's'},
      {"quit", no_argument, nullptr, 'q'},
      {nullptr, 0, nullptr, 0},
  };
  auto say = [language](UiText key) { return ToUtf8(TextOf(key, language)); };
  StartRequest request;
  auto choose = [&request, &say](StartAction action) {
    if (request.action == StartAction::Misuse) return;
    if (request.action != StartAction::Run && request.action != action) {
      request = {StartAction::Misuse, say(UiText::ChooseOneAction)};
      return;
    }
    request.action = action;
  };
  // getopt keeps its place in globals: start afresh, and say nothing of our own accord.
  optind = 0;
  opterr = 0;
  int which = 0;
  while ((which = getopt_long(argc, argv, "+hV", kOptions, nullptr)) != -1) {
    switch (which) {
      case 'h': choose(StartAction::Help); break;
      case 'V': choose(StartAction::Version); break;
      case 's': choose(StartAction::OpenSettings); break;
      case 'q': choose(StartAction::Quit); break;
      default: {
        const std::string given = optind > 0 && optind <= argc ? argv[optind - 1] : "?";
        if (request.action != StartAction::Misuse) {
          request = {StartAction::Misuse, say(UiText::UnknownOptionBefore) + given};
        }
      }
    }
  }
  if (request.action != StartAction::Misuse && optind < argc) {
    request = {StartAction::Misuse, say(UiText::StrayArgumentBefore) + argv[optind]};
  }
  return request;
}

std::string UsageText(UiLanguage language) { return ToUtf8(TextOf(UiText::CommandLineUsage, language)); }

}  // namespace lartsen
