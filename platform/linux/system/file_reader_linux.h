// Whole-file reading for the rules files, with the core's backslashes turned into slashes.
#pragma once

#include "rules/file_read_port.h"
#include "support/ui_text.h"

namespace lartsen {

class FileReaderLinux final : public FileReadPort {
 public:
  explicit FileReaderLinux(UiLanguage language = UiLanguage::Russian) : language_(language) {}
  // Throws Error, worded in the reader's language, for a file that exists but cannot be read.
  std::optional<std::string> ReadFileBytes(std::u16string_view path) override;

 private:
  UiLanguage language_;
};

}  // namespace lartsen
