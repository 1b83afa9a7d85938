# The resident program's tick taken apart, timed under the compatibility layer:
# scripts/with-display bench/app/run-tick-profile
if(WIN32)
  lartsen_add_program(bench_tick_profile GUI WIDE_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/tick_profile.cpp LIBS lartsen_win32)
endif()
