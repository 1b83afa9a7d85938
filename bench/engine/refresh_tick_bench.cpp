// Cost of one refresh tick: 100 rules over all three columns, none matching the window.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/hundred_rules.h"
#include "engine/refresh_cycle.h"

namespace lartsen {
namespace {

class StillGuard : public FullScreenQuery {
 public:
  // The guard reads the foreground window for the whole tick.
  FullScreenCheck IsFullScreenWindow(WindowHandle, WindowHandle) override { return {0x1234, 0x1234, false}; }
};

class StillWindows : public WindowPort {
 public:
  WindowHandle GetForegroundWindow() override { return 0x1234; }
  std::u16string GetWindowText(WindowHandle) override { return u"Отчёт за квартал.docx - Microsoft Word"; }
  void SetWindowText(WindowHandle, std::u16string_view) override {}
  std::u16string GetWindowClassName(WindowHandle) override { return u"OpusApp"; }
};

class StillProcesses : public ProcessPathPort {
 public:
  std::u16string GetWindowProcessPath(WindowHandle, std::uint32_t& ProcessId) override {
    ProcessId = 4321;
    return u"WINWORD.EXE";
  }
};

void BM_RefreshTickHundredRulesNoMatch(benchmark::State& state) {
  StillGuard guard;
  StillWindows windows;
  StillProcesses processes;
  const ConditionsTable table =
      bench::HundredRules({u"Opus", u"Word", u".exe", {u"O?usApp", u"*квартал*", u"[!W]*.EXE"}});
  WindowHandle chosen = 0;
  RefreshCycle cycle(guard, windows, processes, table, PortableCharacterOrder(),
                     [&chosen](WindowHandle w) { chosen = w; });
  for (auto _ : state) {
    cycle.Tick();
    benchmark::DoNotOptimize(chosen);
  }
  if (chosen != 0x1234) state.SkipWithError("a rule matched");
}
BENCHMARK(BM_RefreshTickHundredRulesNoMatch);

}  // namespace
}  // namespace lartsen
