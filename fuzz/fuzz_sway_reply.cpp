// Arbitrary sway replies and stamps: the tree walk never fails on what it reads, and a
// title_format command is one line whose quoted pieces each close before the next begins.
#include <cstdlib>
#include <string>

#include "platform/linux/sway/sway_tree.h"
#include "platform/linux/sway/title_format_command.h"
#include "support/text.h"

namespace {

// Every piece after "title_format " opens with a quote, closes with the same one and holds
// no other of that kind; pieces are separated by one blank.
bool WellQuoted(const std::string& command) {
  const std::string prefix = "[con_id=7] title_format ";
  if (command.rfind(prefix, 0) != 0) return false;
  std::size_t at = prefix.size();
  for (;;) {
    if (at >= command.size() || (command[at] != '\'' && command[at] != '"')) return false;
    const std::size_t close = command.find(command[at], at + 1);
    if (close == std::string::npos) return false;
    at = close + 1;
    if (at == command.size()) return true;
    if (command[at] != ' ') return false;
    ++at;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lartsen;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const nlohmann::json tree = nlohmann::json::parse(bytes, nullptr, false);
  if (!tree.is_discarded()) {
    sway::FocusedView(tree);
    sway::FindView(tree, 5);
  }
  sway::UsesPangoMarkup(bytes);
  const std::u16string stamp = FromUtf8(bytes);
  for (const bool markup : {false, true}) {
    const std::string command = sway::TitleFormatCommand(7, stamp, markup);
    if (command.find('\n') != std::string::npos || !WellQuoted(command)) std::abort();
  }
  return 0;
}
