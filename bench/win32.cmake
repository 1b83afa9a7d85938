# Speed against the platform's own calls under the compatibility layer, printed by scripts/bench:
# the time notation against VarFormat, the template expansion against the plain composition.
if(WIN32)
  lartsen_add_program(time_format_speed SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/time_format_speed.cpp
    ${PROJECT_SOURCE_DIR}/platform/win32/locale_win32.cpp
    ${PROJECT_SOURCE_DIR}/platform/win32/locale_calls_win32.cpp
    LIBS lartsen_core oleaut32)
  lartsen_add_program(title_bench_win32 SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/title_bench_win32.cpp
    LIBS lartsen_win32 oleaut32 shlwapi)
endif()
