// The three user settings, as the rest of the program reads them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lartsen {

inline constexpr std::u16string_view kDefaultTimeFormat = u"ttttt";
inline constexpr std::u16string_view kDefaultTitlePattern = u"[%time%]";
inline constexpr std::int32_t kDefaultRefreshRate = 1000;
inline constexpr std::int32_t kMinRefreshRate = 1;
inline constexpr std::int32_t kMaxRefreshRate = 60000;

// Empty texts and 0 until the first load.
struct Settings {
  std::u16string TimeFormat;
  std::u16string TitlePattern;
  std::int32_t RefreshRate = 0;  // milliseconds
};

}  // namespace lartsen
