# The resident program's tick taken apart, timed under the compatibility layer:
# scripts/with-display bench/app/run-tick-profile
if(WIN32)
  add_executable(bench_tick_profile WIN32 ${CMAKE_CURRENT_LIST_DIR}/app/tick_profile.cpp)
  target_link_libraries(bench_tick_profile PRIVATE lartsen_win32)
  target_link_options(bench_tick_profile PRIVATE -municode)
  lartsen_warnings(bench_tick_profile)
  lartsen_windows_static(bench_tick_profile)
endif()
