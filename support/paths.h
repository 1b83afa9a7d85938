// Portable path and text helpers of the support layer.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

// TrimQuotes: the text without one pair of enclosing double quotes; other text unchanged.
std::u16string TrimQuotes(std::u16string_view text);
// JoinPath: `name` (which may hold a subfolder, "Output\Conditions.INI") inside `folder`,
// joined by exactly one backslash; by a slash for a POSIX folder (one that starts with "/"),
// whose name then takes slashes throughout.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);
// FileNameOfPath: the file-name part of a path (after its last "\" or "/").
std::u16string FileNameOfPath(std::u16string_view path);
// FolderOfPath: the folder part of a full file path (before its last "\" or "/"), without the
// separator; a drive root keeps its backslash ("C:\").
std::u16string FolderOfPath(std::u16string_view path);

}  // namespace lartsen
