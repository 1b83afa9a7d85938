# Benchmarks of the Linux program against a real X server (run under scripts/with-x11).
# The target is defined by platform/linux, which is added after this folder.
if(UNIX AND NOT APPLE AND NOT CMAKE_CROSSCOMPILING)
  lartsen_add_benchmark(bench_linux_x11_tick SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/x11_tick_bench.cpp
    LIBS lartsen_linux)
  add_dependencies(bench_linux_x11_tick lartsen-test-window)
  # The yardstick of what a stamp costs the desktop: scripts/with-x11 bench/linux/run-desktop-cost
  lartsen_add_program(bench_minimal_stamper_x11 SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/minimal_stamper_x11.cpp
    LIBS PkgConfig::XCB)
endif()
