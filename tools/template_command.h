// lartsen-format --template: the title template expanded at each moment with this machine's
// memory figures.
#pragma once

#include <memory>
#include <string>

#include "support/memory_port.h"
#include "template/locale_info.h"
#include "tools/format_command.h"

namespace lartsen {

// One UTF-8 line per moment into `out` (the expanded template), or the error into `err`.
// Returns 0 when every moment was expanded, 1 otherwise.
int RunTemplateCommand(const FormatCommand& command, const LocaleInfo& locale, MemoryPort& memory,
                       std::string& out, std::string& err, ClockPort* clock = nullptr);

// The memory figures of the machine the tool runs on (Windows, or /proc on Linux).
std::unique_ptr<MemoryPort> MachineMemory(const LocaleInfo& locale);

}  // namespace lartsen
