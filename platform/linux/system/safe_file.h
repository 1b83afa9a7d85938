// Whole-file reads that tell a missing file from an unreadable one, and crash-safe replacement.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "support/ui_text.h"

namespace lartsen {

// The file's bytes; nothing when it does not exist. Any other failure (no permission, an I/O
// error, a folder in its place) throws Error naming the file and the system's reason, worded in
// `language`.
std::optional<std::string> ReadFileText(const std::string& path, UiLanguage language = UiLanguage::Russian);

// Replaces the file with `text` so that a crash or a power cut leaves the old file or the new
// one: a temporary file beside it, fsync, rename over it, fsync of the folder. A symbolic link
// is followed and stays a link; the file keeps its mode, a new one gets `newMode`. Creates the
// missing folders. Throws Error naming the file and the reason (in `language`); the old file is
// then untouched.
void ReplaceFileText(const std::string& path, std::string_view text, mode_t newMode = 0600,
                     UiLanguage language = UiLanguage::Russian);

}  // namespace lartsen
