# The resident program's cost under the compatibility layer: CPU against a minimal stamper,
# private memory and file size. Run: scripts/with-display bench/app/run-resident-bench
# Its figures over a long run of constant switching: scripts/with-display bench/app/run-soak-bench
if(WIN32)
  add_executable(bench_minimal_stamper WIN32 ${CMAKE_CURRENT_LIST_DIR}/app/minimal_stamper.cpp)
  target_link_options(bench_minimal_stamper PRIVATE -municode)
  lartsen_warnings(bench_minimal_stamper)
  lartsen_windows_static(bench_minimal_stamper)

  # The long run: a helper that switches and retitles windows, and samples the program's figures.
  add_executable(bench_soak_helper ${CMAKE_CURRENT_LIST_DIR}/app/soak_helper.cpp)
  target_link_options(bench_soak_helper PRIVATE -municode)
  target_link_libraries(bench_soak_helper PRIVATE psapi ntdll)
  target_include_directories(bench_soak_helper PRIVATE ${PROJECT_SOURCE_DIR})
  lartsen_warnings(bench_soak_helper)
  lartsen_windows_static(bench_soak_helper)
endif()

# How soon the stamp follows a switch of the foreground, and whether stamps show the current
# second. Run: scripts/with-display bench/app/run-switch-bench
if(WIN32)
  add_executable(bench_switch_latency ${CMAKE_CURRENT_LIST_DIR}/app/switch_latency.cpp)
  target_link_options(bench_switch_latency PRIVATE -municode)
  lartsen_warnings(bench_switch_latency)
  lartsen_windows_static(bench_switch_latency)
endif()
