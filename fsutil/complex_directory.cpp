// Creating a directory together with every missing parent, for local and network paths.
#include "fsutil/complex_directory.h"

#include <algorithm>
#include <vector>

namespace lartsen {
namespace {

constexpr std::u16string_view kNetworkStart = u"\\\\";

bool IsDriveRoot(std::u16string_view s) {
  if (s.size() < 3) return false;
  const char16_t letter = s[0];
  const bool isLetter = (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
  return isLetter && s[1] == u':' && s[2] == u'\\';
}

bool IsBareDrive(std::u16string_view s) {
  if (s.size() != 2) return false;
  const char16_t letter = s[0];
  const bool isLetter = (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
  return isLetter && s[1] == u':';
}

std::vector<std::u16string_view> SplitComponents(std::u16string_view s) {
  std::vector<std::u16string_view> parts;
  while (!s.empty()) {
    const auto sep = s.find(u'\\');
    parts.push_back(s.substr(0, sep));
    if (sep == std::u16string_view::npos) break;
    s.remove_prefix(sep + 1);
  }
  return parts;
}

}  // namespace

ComplexDirectory::ComplexDirectory(FileSystemPort& fileSystem, HostPort& host,
                                   EnvironmentPort& environment)
    : fileSystem_(fileSystem), host_(host), environment_(environment) {}

bool ComplexDirectory::CreateComplexDirectory(std::u16string_view Path, bool UseUnicode) {
  std::u16string s(Path);
  std::replace(s.begin(), s.end(), u'/', u'\\');
  s = TrimTrailingBackslashes(s);
  // Nothing, or a drive alone ("C:\" and "C:" both read "C:" here), names no directory that
  // could be created. Resolved, an empty path fails and "C:" names the drive's current folder.
  if (s.empty() || IsBareDrive(s)) return false;
  s = environment_.GetFullFileName(s);
  if (s.empty()) return false;

  std::u16string root;
  bool IsUNC = false;
  if (s.starts_with(kNetworkStart)) {
    s = TrimLeadingBackslashes(s);
    const auto b = s.find(u'\\');
    if (s.empty() || b == std::u16string::npos) return false;
    root = std::u16string(kNetworkStart) + s.substr(0, b);
    s = TrimLeadingBackslashes(std::u16string_view(s).substr(b));
    const auto d = s.find(u'\\');
    // Server and share alone name no directory that could be created.
    if (d == std::u16string::npos) return false;
    root += u'\\';
    root += s.substr(0, d);
    s = TrimLeadingBackslashes(std::u16string_view(s).substr(d));
    IsUNC = true;
  } else {
    if (!IsDriveRoot(s)) return false;
    root = s.substr(0, 2);
    s = TrimLeadingBackslashes(std::u16string_view(s).substr(2));
  }

  s = CollapseBackslashes(s);
  // A trailing separator may come back from the absolute form; it names no component.
  s = TrimTrailingBackslashes(s);
  const auto components = SplitComponents(s);
  if (components.empty()) return false;

  std::u16string built = root;
  for (const auto component : components) {
    built += u'\\';
    built += component;
    if (DirectoryExists(built, IsUNC, UseUnicode)) continue;
    if (MakeDirectory(built, IsUNC, UseUnicode)) continue;
    return false;
  }
  return true;
}

bool ComplexDirectory::DirectoryExists(std::u16string_view Path, bool IsUNC, bool UseUnicode) {
  const std::uint32_t attributes = host_.IsHostWinNT() && UseUnicode
                                       ? fileSystem_.FileAttributesWide(AddLongPathPrefix(Path, IsUNC))
                                       : fileSystem_.FileAttributesAnsi(Path);
  if (attributes == kInvalidFileAttributes) return false;
  return (attributes & kFileAttributeDirectory) != 0;
}

bool ComplexDirectory::MakeDirectory(std::u16string_view Path, bool IsUNC, bool UseUnicode) {
  if (host_.IsHostWinNT() && UseUnicode) {
    return fileSystem_.CreateDirectoryWide(AddLongPathPrefix(Path, IsUNC));
  }
  return fileSystem_.CreateDirectoryAnsi(Path);
}

std::u16string AddLongPathPrefix(std::u16string_view Path, bool IsUNC) {
  if (IsUNC) return u"\\\\?\\UNC\\" + std::u16string(Path.size() >= 2 ? Path.substr(2) : u"");
  return u"\\\\?\\" + std::u16string(Path);
}

std::u16string TrimLeadingBackslashes(std::u16string_view text) {
  while (!text.empty() && text.front() == u'\\') text.remove_prefix(1);
  return std::u16string(text);
}

std::u16string TrimTrailingBackslashes(std::u16string_view text) {
  while (!text.empty() && text.back() == u'\\') text.remove_suffix(1);
  return std::u16string(text);
}

std::u16string CollapseBackslashes(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (const char16_t c : text) {
    if (c == u'\\' && !result.empty() && result.back() == u'\\') continue;
    result += c;
  }
  return result;
}

}  // namespace lartsen
