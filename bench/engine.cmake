# Benchmarks of the title stamping engine: one refresh tick on fake platform services.
if(NOT CMAKE_CROSSCOMPILING)
  lartsen_add_benchmark(bench_engine SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine/refresh_tick_bench.cpp)
endif()
