// The sway command that shows a window's own title followed by our text, or its title alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lartsen::sway {

// `[con_id=<id>] title_format <"%title" + suffix>`, with the suffix shown exactly as given:
// sway would read `%title`, `%app_id`... in it as placeholders, so a word joiner (U+2060,
// invisible) follows each '%' before a letter; with `pangoMarkup` (a "pango:" font) the markup
// characters are escaped; the quoting takes the quote the text does not hold. An empty suffix
// gives sway's default, "%title".
std::string TitleFormatCommand(std::int64_t containerId, std::u16string_view suffix, bool pangoMarkup);

}  // namespace lartsen::sway

namespace lartsen::sway {

// Whether sway reads titles as Pango markup: its configuration (get_config) sets a "pango:" font.
bool UsesPangoMarkup(std::string_view config);

}  // namespace lartsen::sway
