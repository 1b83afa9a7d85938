// One refresh tick of the Linux program on a real X server: 100 rules over all three columns,
// none matching, the foreground a real window; CPU per tick and waits for the server per tick.
// Run: scripts/with-x11 build/native/bin/bench_linux_x11_tick
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "bench/hundred_rules.h"
#include "engine/refresh_cycle.h"
#include "engine/title_writer.h"
#include "platform/linux/system/collation_linux.h"
#include "platform/linux/system/host_linux.h"
#include "platform/linux/tests/x11_test_windows.h"
#include "platform/linux/x11/x11_full_screen.h"
#include "platform/linux/x11/x11_process_routes.h"
#include "platform/linux/x11/x11_windows.h"
#include "process/window_process_path.h"
#include "settings/settings.h"
#include "support/system_clock.h"
#include "template/locale_info.h"
#include "template/testing/title_fakes.h"
#include "template/title_format.h"

namespace lartsen {
namespace {

void BM_X11Tick100Rules(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("needs an X11 session: scripts/with-x11");
    return;
  }
  testing::TestWindow window({"--title", "Отчёт за квартал", "--class", "LartsenTest"});
  testing::Shell("xdotool windowactivate --sync " + window.hex() + " >/dev/null 2>&1");
  x11::Connection connection;
  x11::X11Windows windows(connection);
  x11::X11FullScreen guard(windows);
  x11::X11ProcessRoutes routes(windows);
  HostLinux host;
  WindowProcessPath processes(routes, host);
  const ConditionsTable table =
      bench::HundredRules({u"Lartsen", u"квартал", u"", {u"L?rtsenTest", u"*квартал*", u"[!l]*"}});
  const LinuxCharacterOrder order;
  Settings settings{std::u16string(kDefaultTimeFormat), std::u16string(kDefaultTitlePattern), 1000};
  const LocaleInfo& locale = BuiltinLocale("ru-RU");
  SystemClock clock;
  testing::FakeMemory memory;
  TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, locale, clock, memory);
  TitleWriter writer(windows, formatter);
  RefreshCycle cycle(guard, windows, processes, table, order, writer);
  const auto before = connection.RoundTrips();
  for (auto _ : state) {
    x11::X11Windows::TickScope tick(windows);
    cycle.Tick();
  }
  writer.ApplyTitle(0);
  state.counters["round_trips_per_tick"] =
      static_cast<double>(connection.RoundTrips() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_X11Tick100Rules)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lartsen
