// Opens the lock file close-on-exec and takes a non-blocking exclusive flock.
#include "platform/linux/system/single_instance_linux.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/linux/system/display_name.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

std::string DefaultLockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string folder = runtime && runtime[0] == '/' ? runtime : "/tmp";
  // One lock per server, however the display is spelled (":0", ":0.0", "unix:0").
  return folder + "/lartsen-" + std::to_string(getuid()) + "-" + DisplayFileKey() + ".lock";
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(std::string lockPath)
    : path_(lockPath.empty() ? DefaultLockPath() : std::move(lockPath)) {}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) close(fd_);
}

bool SingleInstanceLock::ClaimInstance() {
  if (fd_ < 0) {
    fd_ = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) throw Error(status::kFail, UiText::CouldNotOpenBefore, FromUtf8(path_));
  }
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
  if (errno == EWOULDBLOCK) return false;
  throw Error(status::kFail, UiText::CouldNotLockBefore, FromUtf8(path_));
}

}  // namespace lartsen
