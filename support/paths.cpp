// Portable path and text helpers of the support layer.
#include "support/paths.h"

#include <algorithm>

namespace lartsen {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::size_t LastSeparator(std::u16string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return i - 1;
  }
  return std::u16string_view::npos;
}

}  // namespace

std::u16string TrimQuotes(std::u16string_view text) {
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
    text = text.substr(1, text.size() - 2);
  }
  return std::u16string(text);
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
  // A folder that starts with "/" is a POSIX one: its separator is the slash, in the name too.
  const bool posix = !folder.empty() && folder.front() == u'/';
  while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
  while (!name.empty() && IsSeparator(name.front())) name.remove_prefix(1);
  if (folder.empty() && !posix) return std::u16string(name);
  std::u16string result;
  result.reserve(folder.size() + 1 + name.size());
  result.append(folder).append(1, posix ? u'/' : u'\\').append(name);
  if (posix) std::replace(result.begin() + static_cast<std::ptrdiff_t>(folder.size()), result.end(), u'\\', u'/');
  return result;
}

std::u16string FileNameOfPath(std::u16string_view path) {
  const auto sep = LastSeparator(path);
  if (sep == std::u16string_view::npos) {
    // "C:file.txt" names file.txt in the current folder of drive C.
    if (path.size() >= 2 && path[1] == u':') return std::u16string(path.substr(2));
    return std::u16string(path);
  }
  return std::u16string(path.substr(sep + 1));
}

std::u16string FolderOfPath(std::u16string_view path) {
  const auto sep = LastSeparator(path);
  if (sep == std::u16string_view::npos) return {};
  // "C:\file" -> "C:\" so the folder stays a usable root.
  if (sep == 2 && path[1] == u':') return std::u16string(path.substr(0, 3));
  if (sep == 0) return std::u16string(path.substr(0, 1));  // "\a.ini": the drive's root
  return std::u16string(path.substr(0, sep));
}

}  // namespace lartsen
