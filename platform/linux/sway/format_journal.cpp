// A small text file: the instance's socket path on the first line, then one container id a line.
#include "platform/linux/sway/format_journal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/linux/sway/sway_tree.h"
#include "platform/linux/sway/title_format_command.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen::sway {
namespace {

[[noreturn]] void Fail(const std::string& what) {
  throw Error(status::kFail, FromUtf8(what + ": " + std::strerror(errno)));
}

}  // namespace

FormatJournal::FormatJournal(std::string instance, std::string folder) : instance_(std::move(instance)) {
  if (folder.empty()) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    folder = runtime && runtime[0] != '\0' ? runtime : "/tmp";
  }
  path_ = folder + "/lartsen-sway-" + std::to_string(std::hash<std::string>{}(instance_)) + ".formats";
}

void FormatJournal::Record(const std::vector<std::int64_t>& containers) {
  if (containers.empty()) {
    if (std::remove(path_.c_str()) != 0 && errno != ENOENT) Fail("remove " + path_);
    return;
  }
  const std::string temporary = path_ + ".new";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << instance_ << '\n';
    for (const std::int64_t id : containers) out << id << '\n';
    out.flush();
    if (!out) Fail("write " + temporary);
  }
  if (std::rename(temporary.c_str(), path_.c_str()) != 0) Fail("rename " + temporary);
}

std::vector<std::int64_t> FormatJournal::Read() const {
  std::ifstream in(path_);
  std::string line;
  if (!std::getline(in, line) || line != instance_) return {};
  std::vector<std::int64_t> containers;
  while (std::getline(in, line)) {
    std::istringstream number(line);
    std::int64_t id = 0;
    if (number >> id && id > 0) containers.push_back(id);
  }
  return containers;
}

void ResetLeftFormats(SwayRequests& sway, FormatJournal& journal) {
  const std::vector<std::int64_t> left = journal.Read();
  if (!left.empty()) {
    const nlohmann::json tree = sway.Tree();
    for (const std::int64_t id : left) {
      if (FindView(tree, id)) sway.Command(TitleFormatCommand(id, {}, false));
    }
  }
  journal.Record({});
}

}  // namespace lartsen::sway
