// The journal of the containers this program gave a title format, per sway instance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/linux/sway/sway_ipc.h"

namespace lartsen::sway {

// Kept in a file of its own in $XDG_RUNTIME_DIR (which the session empties at its end), named
// after the instance: a run that was killed leaves behind which containers still show its text.
// Every call throws Error when the file cannot be written or removed.
class FormatJournal {
 public:
  // `folder` empty: $XDG_RUNTIME_DIR, else /tmp.
  FormatJournal(std::string instance, std::string folder = {});

  // Replaces the record (an empty list removes it); one rename, never seen half written.
  void Record(const std::vector<std::int64_t>& containers);
  // The containers recorded for this instance; none for a missing or unreadable file.
  std::vector<std::int64_t> Read() const;
  const std::string& path() const { return path_; }

 private:
  std::string instance_;
  std::string path_;
};

// At start: the containers a killed run left formatted get sway's default "%title" back when
// they still exist in this instance, and the journal is emptied. Throws Error.
void ResetLeftFormats(SwayRequests& sway, FormatJournal& journal);

}  // namespace lartsen::sway
