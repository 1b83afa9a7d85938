// Portable path and text helpers of the support layer.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

// asTrimQuotes: the text without one pair of enclosing double quotes; other text unchanged.
std::u16string asTrimQuotes(std::u16string_view text);
// asBuildFileName: `name` (which may hold a subfolder, "Output\Conditions.INI") inside `folder`,
// joined by exactly one backslash; by a slash for a POSIX folder (one that starts with "/"),
// whose name then takes slashes throughout.
std::u16string asBuildFileName(std::u16string_view folder, std::u16string_view name);
// asGetFileName: the file-name part of a path (after its last "\" or "/").
std::u16string asGetFileName(std::u16string_view path);
// asGetFilePath: the folder part of a full file path (before its last "\" or "/"), without the
// separator; a drive root keeps its backslash ("C:\").
std::u16string asGetFilePath(std::u16string_view path);

}  // namespace lartsen
