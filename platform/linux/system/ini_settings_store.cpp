// Reading and rewriting the settings INI file line by line.
#include "platform/linux/system/ini_settings_store.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/linux/system/linux_paths.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

std::string Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return std::string(s);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF")) lines.front().erase(0, 3);
  return lines;
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

IniSettingsStore::IniSettingsStore(std::string path) : path_(std::move(path)) {}

SettingValue IniSettingsStore::ReadSetting(std::u16string_view section, std::u16string_view key,
                                           SettingKind kind, const SettingValue& defaultValue) {
  const auto lines = ReadLines(path_);
  const Place place = Find(lines, ToUtf8(section), ToUtf8(key));
  if (place.keyLine < 0) return defaultValue;
  const std::string& line = lines[static_cast<std::size_t>(place.keyLine)];
  std::string value = Trim(std::string_view(line).substr(line.find('=') + 1));
  // A value in double quotes keeps its outer blanks.
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  if (kind == SettingKind::Number) return NumberOrText(value);
  return FromUtf8(value);
}

void IniSettingsStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                    SettingKind kind, const SettingValue& value) {
  std::string text = ValueText(value);
  if (kind == SettingKind::Text) text = '"' + text + '"';
  auto lines = ReadLines(path_);
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

  std::error_code error;
  const std::filesystem::path file(path_);
  std::filesystem::create_directories(file.parent_path(), error);
  const std::string temporary = path_ + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << '\n';
    out.flush();
    if (!out) throw Error(status::kFail, u"Не удалось записать настройки в " + FromUtf8(path_));
  }
  std::filesystem::rename(temporary, file, error);
  if (error) throw Error(status::kFail, u"Не удалось записать настройки в " + FromUtf8(path_));
}

}  // namespace lartsen
