// ListReader: turns a small text file into its value lines (the rules files' reader).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/file_read_port.h"

namespace lartsen {

// Decodes file bytes: UTF-8 with or without signature, UTF-16 LE/BE with signature, otherwise
// the ANSI code page of `ansi`.
std::u16string DecodeListText(std::string_view bytes, AnsiDecodePort& ansi);

class ListReader {
 public:
  // Both ports must outlive the reader.
  ListReader(FileReadPort& files, AnsiDecodePort& ansi) : files_(files), ansi_(ansi) {}

  // ReadList(path, ";", True, True, 0, 0) as the rules loader calls it. The file is split at
  // CR LF, LF or CR. `TrimBlanks`: blanks and tabs are cut from both ends of each line.
  // `SkipBlankLines`: empty lines are left out. A line whose first character (after trimming)
  // is `CommentMark` is left out; an empty mark keeps every line. `FirstLine` skips that many
  // value lines; `MaxLines` keeps at most that many (0: all).
  // Returns none when the file cannot be read (missing, unreadable, larger than 4 MiB).
  std::optional<std::vector<std::u16string>> ReadList(std::u16string_view FileName,
                                                      std::u16string_view CommentMark = u";",
                                                      bool TrimBlanks = true, bool SkipBlankLines = true,
                                                      int FirstLine = 0, int MaxLines = 0);

  // The same line handling over text already decoded.
  static std::vector<std::u16string> SplitList(std::u16string_view text, std::u16string_view CommentMark,
                                               bool TrimBlanks, bool SkipBlankLines, int FirstLine,
                                               int MaxLines);

 private:
  FileReadPort& files_;
  AnsiDecodePort& ansi_;
};

}  // namespace lartsen
