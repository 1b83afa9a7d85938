// Parses the options with getopt_long, silently, so that the program words its own complaints.
#include "platform/linux/system/command_line.h"

#include <getopt.h>

namespace lartsen {

StartRequest ParseCommandLine(int argc, char** argv) {
  static const option kOptions[] = {
      {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},
      {"settings", no_argument, nullptr, 's'},
      {"quit", no_argument, nullptr, 'q'},
      {nullptr, 0, nullptr, 0},
  };
  StartRequest request;
  auto choose = [&request](StartAction action) {
    if (request.action == StartAction::Misuse) return;
    if (request.action != StartAction::Run && request.action != action) {
      request = {StartAction::Misuse, "выберите одно действие"};
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
        if (request.action != StartAction::Misuse) request = {StartAction::Misuse, "неизвестный параметр " + given};
      }
    }
  }
  if (request.action != StartAction::Misuse && optind < argc) {
    request = {StartAction::Misuse, std::string("лишний аргумент ") + argv[optind]};
  }
  return request;
}

std::string UsageText() {
  return "Использование: lartsen [ПАРАМЕТР]\n"
         "Дописывает метку (по умолчанию время) к заголовку активного окна X11.\n"
         "\n"
         "  --settings     открыть настройки работающей программы (или запустить её с ними)\n"
         "  --quit         завершить работающую программу, вернув заголовки окон\n"
         "  -h, --help     показать эту справку и выйти\n"
         "  -V, --version  показать версию и выйти\n"
         "\n"
         "Без параметров программа запускается и работает из области уведомлений;\n"
         "на одном X-сервере работает только одна копия.\n";
}

}  // namespace lartsen
