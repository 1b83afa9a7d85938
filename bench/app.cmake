# The resident program's cost under the compatibility layer: CPU against a minimal stamper,
# private memory and file size. Run: scripts/with-display bench/app/run-resident-bench
if(WIN32)
  add_executable(bench_minimal_stamper WIN32 ${CMAKE_CURRENT_LIST_DIR}/app/minimal_stamper.cpp)
  target_link_options(bench_minimal_stamper PRIVATE -municode)
  lartsen_warnings(bench_minimal_stamper)
  lartsen_windows_static(bench_minimal_stamper)
endif()
