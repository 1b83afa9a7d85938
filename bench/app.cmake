# The resident program's cost under the compatibility layer: CPU against a minimal stamper,
# private memory and file size. Run: scripts/with-display bench/app/run-resident-bench
# Its figures over a long run of constant switching: scripts/with-display bench/app/run-soak-bench
if(WIN32)
  lartsen_add_program(bench_minimal_stamper GUI WIDE_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/minimal_stamper.cpp)

  # The long run: a helper that switches and retitles windows, and samples the program's figures.
  lartsen_add_program(bench_soak_helper WIDE_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/soak_helper.cpp LIBS psapi ntdll)
  target_include_directories(bench_soak_helper PRIVATE ${PROJECT_SOURCE_DIR})
endif()

# How soon the stamp follows a switch of the foreground, and whether stamps show the current
# second. Run: scripts/with-display bench/app/run-switch-bench
if(WIN32)
  lartsen_add_program(bench_switch_latency WIDE_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/switch_latency.cpp)
endif()
