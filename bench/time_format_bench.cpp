// Cost of one FormatDateTime call for the formats the stamp uses most.
#include <benchmark/benchmark.h>

#include <string>

#include "template/locale_info.h"
#include "template/time_format.h"

namespace {

void Format(benchmark::State& state, const char16_t* format, const char* locale) {
  const lartsen::LocaleInfo& info = lartsen::BuiltinLocale(locale);
  double moment = 36526.5868;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lartsen::FormatDateTime(moment, format, info));
    moment += 1.0 / 86400.0;
  }
}

// A format of one letter repeated: each token takes at most six letters of the run, so the cost
// grows with the length alone.
void LongRun(benchmark::State& state, char16_t letter) {
  const lartsen::LocaleInfo& info = lartsen::BuiltinLocale("en-US");
  const std::u16string format(static_cast<std::size_t>(state.range(0)), letter);
  for (auto _ : state) {
    benchmark::DoNotOptimize(lartsen::FormatDateTime(36526.5868, format, info));
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(LongRun, h, u'h')->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(LongRun, d, u'd')->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

BENCHMARK_CAPTURE(Format, hh_nn_ss, u"hh:nn:ss", "en-US");
BENCHMARK_CAPTURE(Format, ttttt, u"ttttt", "en-US");
BENCHMARK_CAPTURE(Format, ttttt_ru, u"ttttt", "ru-RU");
BENCHMARK_CAPTURE(Format, long_date_words, u"dddd, d mmmm yyyy", "en-US");
BENCHMARK_CAPTURE(Format, general_date, u"c", "en-US");

}  // namespace
