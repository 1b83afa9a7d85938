// Cost of one template expansion: the default template and one with all 23 placeholders.
#include <benchmark/benchmark.h>

#include "settings/settings.h"
#include "template/locale_info.h"
#include "template/title_format.h"

namespace lartsen {
namespace {

class FixedClock : public ClockPort {
 public:
  double Now() override { return 45000.58603; }
};

// Memory figures of a typical machine; the size text is a constant, as the platform's call is
// not what is measured here.
class FixedMemory : public MemoryPort {
 public:
  MemoryStatus GlobalMemoryStatus() override {
    return {43, 17112547328.0, 9754152960.0, 19797909504.0, 10911375360.0, 140737488224256.0,
            140733096759296.0, 0.0};
  }
  std::u16string FormatByteSize(double) override { return u"9,08 GB"; }
};

const char16_t* const kAllPlaceholders =
    u"%time% %MemoryLoadPercent% %MemoryAvailPercent% %FreePhysical% %UsedPhysical% "
    u"%TotalPhysical% %FreePageFile% %UsedPageFile% %TotalPageFile% %FreeVirtual% "
    u"%UsedVirtual% %FreeExtendedVirtual% %TotalVirtual% %FreePhysical_fb% %UsedPhysical_fb% "
    u"%TotalPhysical_fb% %FreePageFile_fb% %UsedPageFile_fb% %TotalPageFile_fb% "
    u"%FreeVirtual_fb% %UsedVirtual_fb% %FreeExtendedVirtual_fb% %TotalVirtual_fb%";

void Expand(benchmark::State& state, const char16_t* pattern) {
  Settings settings{u"ttttt", pattern, 1000};
  FixedClock clock;
  FixedMemory memory;
  TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, BuiltinLocale("en-US"), clock, memory);
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatter.FormatTitle(std::nullopt, std::nullopt, std::nullopt));
  }
}

void BM_FormatTitle_DefaultTemplate(benchmark::State& state) { Expand(state, u"[%time%]"); }
void BM_FormatTitle_AllPlaceholders(benchmark::State& state) { Expand(state, kAllPlaceholders); }

BENCHMARK(BM_FormatTitle_DefaultTemplate);
BENCHMARK(BM_FormatTitle_AllPlaceholders);

}  // namespace
}  // namespace lartsen
