// Cost of one refresh tick: 100 rules over all three columns, none matching the window.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

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

// Rules shaped like real ones: most fail at once on the class, some only on the title or the
// process, so every column is compared often.
ConditionsTable HundredRules() {
  ConditionsTable table;
  for (int i = 0; i < 100; ++i) {
    const std::u16string n = std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
    switch (i % 4) {
      case 0: table.Conditions.push_back({u"Class" + n + u"*", u"*", u"*"}); break;
      case 1: table.Conditions.push_back({u"Opus*", u"*[Пп]резентация" + n + u"*", u"*"}); break;
      case 2: table.Conditions.push_back({u"*", u"*Word", u"app" + n + u"?.exe"}); break;
      default: table.Conditions.push_back({u"O?usApp", u"*квартал*", u"[!W]*.EXE"}); break;
    }
  }
  table.ConditionColumnsUsed = {true, true, true};
  table.ConditionsLoaded = true;
  return table;
}

void BM_RefreshTickHundredRulesNoMatch(benchmark::State& state) {
  StillGuard guard;
  StillWindows windows;
  StillProcesses processes;
  const ConditionsTable table = HundredRules();
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
