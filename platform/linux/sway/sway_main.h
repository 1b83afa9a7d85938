// The program's run in a sway session, chosen at start-up when sway's IPC socket answers.
#pragma once

#include <string>

namespace lartsen::sway {

// The whole run: one instance per sway instance, the tray, the loop; the exit status.
int RunSwayProgram(int argc, char** argv, const std::string& socketPath);

}  // namespace lartsen::sway
