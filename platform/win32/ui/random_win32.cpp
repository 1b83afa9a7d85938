// Random whole numbers for the settings previews.
#include "platform/win32/ui/random_win32.h"

#include <windows.h>

#include "support/error.h"

namespace lartsen::win32 {

Random::Random() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  engine_.seed(static_cast<std::uint32_t>(counter.QuadPart ^ GetTickCount() ^ GetCurrentProcessId()));
}

std::int32_t Random::RandomBetween(std::int32_t lowest, std::int32_t highest) {
  if (lowest > highest) throw Error(status::kInvalidArgument, UiText::InvalidRandomRange);
  return std::uniform_int_distribution<std::int32_t>(lowest, highest)(engine_);
}

}  // namespace lartsen::win32
