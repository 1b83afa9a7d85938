// The template's placeholders in the order of their values: the time, the two percentages, the
// ten memory figures as numbers, then the same ten as size texts.
#pragma once

#include <array>

namespace lartsen::testing {

inline constexpr std::array<const char16_t*, 23> kPlaceholderNames = {
    u"%time%", u"%MemoryLoadPercent%", u"%MemoryAvailPercent%", u"%FreePhysical%",
    u"%UsedPhysical%", u"%TotalPhysical%", u"%FreePageFile%", u"%UsedPageFile%",
    u"%TotalPageFile%", u"%FreeVirtual%", u"%UsedVirtual%", u"%FreeExtendedVirtual%",
    u"%TotalVirtual%", u"%FreePhysical_fb%", u"%UsedPhysical_fb%", u"%TotalPhysical_fb%",
    u"%FreePageFile_fb%", u"%UsedPageFile_fb%", u"%TotalPageFile_fb%", u"%FreeVirtual_fb%",
    u"%UsedVirtual_fb%", u"%FreeExtendedVirtual_fb%", u"%TotalVirtual_fb%"};

}  // namespace lartsen::testing
