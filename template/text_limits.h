// The longest texts the stamp is made from and made into: bounds that keep every tick short.
#pragma once

#include <cstddef>
#include <string_view>

namespace lartsen {

// A time format or a title template longer than this is refused by the dialog and, read from
// the store, counts as invalid. 2048 units is far beyond any useful stamp and keeps a tick's
// work to a few milliseconds.
inline constexpr std::size_t kMaxTimeFormatLength = 2048;
inline constexpr std::size_t kMaxTitlePatternLength = 2048;

// An expansion that grows beyond this fails (with status::kTooLong) instead of building text
// no title bar can show; each replace pass stops as soon as it passes the bound.
inline constexpr std::size_t kMaxStampLength = 4096;

// The longest title the writer puts on a window: its own title, a blank and the stamp. A window
// whose stamped title would be longer is left as it is.
inline constexpr std::size_t kMaxStampedTitleLength = 8192;

}  // namespace lartsen
