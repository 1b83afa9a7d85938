// Parses "[protocol/][host]:number[.screen]" and drops what does not tell servers apart.
#include "platform/linux/system/display_name.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace lartsen {

std::string ServerOfDisplay(std::string_view display, std::string_view ownHost) {
  if (const auto slash = display.find('/'); slash != std::string_view::npos) {
    display.remove_prefix(slash + 1);  // "tcp/host:0": the protocol names no server
  }
  const auto colon = display.rfind(':');
  if (colon == std::string_view::npos) return {};
  std::string_view host = display.substr(0, colon);
  std::string_view number = display.substr(colon + 1);
  if (!number.empty() && number.front() == ':') number.remove_prefix(1);  // DECnet "host::0"
  number = number.substr(0, number.find('.'));
  if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return {};
  }
  while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
  if (host == "unix" || host == "localhost" || host == "127.0.0.1" || host == "::1" ||
      (!ownHost.empty() && host == ownHost)) {
    host = {};
  }
  return std::string(host) + ":" + std::string(number);
}

std::string DisplayFileKey() {
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
  const char* display = std::getenv("DISPLAY");
  std::string key = ServerOfDisplay(display ? display : "", host);
  std::replace(key.begin(), key.end(), '/', '_');
  return key;
}

}  // namespace lartsen
