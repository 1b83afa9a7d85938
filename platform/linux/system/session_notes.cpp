// The session type from the environment and the mark of the note already given.
#include "platform/linux/system/session_notes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace lartsen {

bool IsWaylandSession() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* type = std::getenv("XDG_SESSION_TYPE");
  return (wayland && wayland[0] != '\0') || (type && std::string_view(type) == "wayland");
}

bool FirstWaylandStart() {
  std::string folder;
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') {
    folder = state;
  } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
    folder = std::string(home) + "/.local/state";
  } else {
    return false;  // nowhere to remember it: better silent than the same box at every start
  }
  folder += "/lartsen";
  const std::string mark = folder + "/wayland-noted";
  std::error_code error;
  if (std::filesystem::exists(mark, error)) return false;
  std::filesystem::create_directories(folder, error);
  std::ofstream(mark) << "The note on Wayland sessions has been shown.\n";
  return true;
}

}  // namespace lartsen
