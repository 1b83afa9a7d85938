// One instance per user and X server: an flock on a file in $XDG_RUNTIME_DIR.
#pragma once

#include <string>

namespace lartsen {

// The lock goes with the process, so a crashed instance never blocks the next start.
class SingleInstanceLock {
 public:
  // `lockPath` empty: $XDG_RUNTIME_DIR (else /tmp) + "/lartsen-<uid>-<display>.lock".
  explicit SingleInstanceLock(std::string lockPath = {});
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when no other instance holds the lock; throws Error when the file cannot be opened.
  bool ClaimInstance();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace lartsen
