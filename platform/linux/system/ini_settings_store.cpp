// Reading the settings INI file line by line, and replacing it whole and safely.
#include "platform/linux/system/ini_settings_store.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/linux/system/linux_paths.h"
#include "platform/linux/system/safe_file.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

std::string Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return std::string(s);
}

std::vector<std::string> ReadLines(const std::string& path, UiLanguage language) {
  std::vector<std::string> lines;
  const std::optional<std::string> text = ReadFileText(path, language);
  if (!text) return lines;
  for (std::size_t start = 0; start < text->size();) {
    std::size_t end = text->find('\n', start);
    if (end == std::string::npos) end = text->size();
    lines.emplace_back(*text, start, end - start);
    start = end + 1;
  }
  if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF")) lines.front().erase(0, 3);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text.append(l).append(1, '\n');
  return text;
}

// The line index of `key` in `section`, or where a new key of that section belongs.
struct Place {
  std::ptrdiff_t keyLine = -1;
  std::size_t insertAt = 0;
};

Place Find(const std::vector<std::string>& lines, const std::string& section, const std::string& key) {
  Place place;
  std::string current;
  bool inSection = section.empty();
  if (inSection) place.insertAt = 0;
  bool sectionSeen = section.empty();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.starts_with('[') && line.ends_with(']')) {
      current = line.substr(1, line.size() - 2);
      inSection = current == section;
      if (inSection) {
        sectionSeen = true;
        place.insertAt = i + 1;
      }
      continue;
    }
    if (!inSection || line.empty() || line.starts_with(';') || line.starts_with('#')) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (Trim(line.substr(0, eq)) == key) {
      place.keyLine = static_cast<std::ptrdiff_t>(i);
      return place;
    }
    place.insertAt = i + 1;
  }
  if (!sectionSeen) place.insertAt = lines.size();
  return place;
}

SettingValue NumberOrText(const std::string& text) {
  std::int64_t whole = 0;
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, whole);
  if (ec == std::errc() && p == end && !text.empty()) {
    if (whole >= INT32_MIN && whole <= INT32_MAX) return static_cast<std::int32_t>(whole);
    return static_cast<double>(whole);
  }
  double fraction = 0;
  auto [q, ec2] = std::from_chars(text.data(), end, fraction);
  if (ec2 == std::errc() && q == end && !text.empty() && std::isfinite(fraction)) return fraction;
  return FromUtf8(text);
}

// Inside double quotes a value keeps its line breaks and control characters as escapes:
// \\ \n \r \t and \xHH. Any other backslash stands for itself, so hand-written
// values such as "hh\:nn" read as they look.
std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (byte < 0x20 || byte == 0x7F) {
      const char* digits = "0123456789ABCDEF";
      out += "\\x";
      out += digits[byte >> 4];
      out += digits[byte & 15];
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[i + 1];
    if (next == '\\') out += '\\';
    else if (next == 'n') out += '\n';
    else if (next == 'r') out += '\r';
    else if (next == 't') out += '\t';
    else if (next == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
      i += 2;
    } else {
      out += text[i];  // a backslash of its own
      continue;
    }
    ++i;
  }
  return out;
}

std::string ValueText(const SettingValue& value) {
  if (const auto* i = std::get_if<std::int32_t>(&value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value)) {
    std::ostringstream s;
    s.precision(17);
    s << *d;
    return s.str();
  }
  if (const auto* t = std::get_if<std::u16string>(&value)) return ToUtf8(*t);
  return {};
}

}  // namespace

std::string DefaultSettingsPath() { return ProgramConfigFolder() + "/" + kSettingsFileName; }

IniSettingsStore::IniSettingsStore(std::string path, UiLanguage language)
    : path_(std::move(path)), language_(language) {}

SettingValue IniSettingsStore::ReadSetting(std::u16string_view section, std::u16string_view key,
                                           SettingKind kind, const SettingValue& defaultValue) {
  const auto lines = ReadLines(path_, language_);
  const Place place = Find(lines, ToUtf8(section), ToUtf8(key));
  if (place.keyLine < 0) return defaultValue;
  const std::string& line = lines[static_cast<std::size_t>(place.keyLine)];
  std::string value = Trim(std::string_view(line).substr(line.find('=') + 1));
  // A value in double quotes keeps its outer blanks and its escaped control characters.
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = Unescape(std::string_view(value).substr(1, value.size() - 2));
  }
  if (kind == SettingKind::Number) return NumberOrText(value);
  return FromUtf8(value);
}

void IniSettingsStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                    SettingKind kind, const SettingValue& value) {
  std::string text = ValueText(value);
  if (kind == SettingKind::Text) text = '"' + Escape(text) + '"';
  auto lines = ReadLines(path_, language_);
  const std::string sectionName = ToUtf8(section);
  const Place place = Find(lines, sectionName, ToUtf8(key));
  const std::string line = ToUtf8(key) + "=" + text;
  if (place.keyLine >= 0) {
    lines[static_cast<std::size_t>(place.keyLine)] = line;
  } else if (!sectionName.empty() && place.insertAt == lines.size() &&
             std::none_of(lines.begin(), lines.end(), [&](const std::string& l) { return Trim(l) == "[" + sectionName + "]"; })) {
    lines.push_back("[" + sectionName + "]");
    lines.push_back(line);
  } else {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.insertAt), line);
  }

  ReplaceFileText(path_, Joined(lines), 0600, language_);
}

bool IniSettingsStore::RemoveSetting(std::u16string_view section, std::u16string_view key) {
  auto lines = ReadLines(path_, language_);
  const Place place = Find(lines, ToUtf8(section), ToUtf8(key));
  if (place.keyLine < 0) return false;
  lines.erase(lines.begin() + place.keyLine);
  ReplaceFileText(path_, Joined(lines), 0600, language_);
  return true;
}

}  // namespace lartsen
