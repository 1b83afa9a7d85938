# Speed against the platform's own calls under the compatibility layer, printed by scripts/bench:
# the time notation against VarFormat, the template expansion against the plain composition.
if(WIN32)
  add_executable(time_format_speed ${CMAKE_CURRENT_LIST_DIR}/win32/time_format_speed.cpp
    ${PROJECT_SOURCE_DIR}/platform/win32/locale_win32.cpp
    ${PROJECT_SOURCE_DIR}/platform/win32/locale_calls_win32.cpp)
  target_link_libraries(time_format_speed PRIVATE lartsen_core oleaut32)
  lartsen_warnings(time_format_speed)
  lartsen_windows_static(time_format_speed)

  add_executable(title_bench_win32 ${CMAKE_CURRENT_LIST_DIR}/win32/title_bench_win32.cpp)
  target_link_libraries(title_bench_win32 PRIVATE lartsen_win32 oleaut32 shlwapi)
  lartsen_warnings(title_bench_win32)
  lartsen_windows_static(title_bench_win32)
endif()
