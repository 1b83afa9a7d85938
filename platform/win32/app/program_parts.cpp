// Wiring of the program's engine: rules loader, refresh cycle, title writer and dialogs.
#include "platform/win32/app/program_parts.h"

namespace lartsen::win32 {

struct ProgramParts::Parts {
  Settings& settings;
  MessageBoxes& messages;
  MainWindow& window;
  ConditionsTable table;
};

ProgramParts::ProgramParts(Settings& settings, MessageBoxes& messages, MainWindow& window)
    : parts_(new Parts{settings, messages, window, {}}) {}

ProgramParts::~ProgramParts() = default;

void ProgramParts::LoadConditions() {}
const ConditionsTable& ProgramParts::Table() const { return parts_->table; }
void ProgramParts::tmrRefresh_Timer() {}
void ProgramParts::ApplyTitle(WindowHandle) {}
void ProgramParts::ShowModal() {}
void ProgramParts::ShowAbout() {}

TimeFormatTrial ProgramParts::TimeFormatCheck() {
  return [](std::u16string_view) {};
}

FileCommands ProgramParts::Files() { return {}; }

}  // namespace lartsen::win32
