# Regional settings and the clock on Windows, and the comparison of the format notation with the
# platform's VarFormat under three locales.
lartsen_sources(lartsen_win32 . locale_win32 locale_calls_win32 clock_win32)

# The comparison takes the locale adapter's source itself, so it depends on no other adapter.
lartsen_add_program(time_format_diff SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/time_format_diff.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_win32.cpp ${CMAKE_CURRENT_LIST_DIR}/locale_calls_win32.cpp
  LIBS lartsen_core oleaut32)
foreach(loc en_US ru_RU de_DE)
  string(REPLACE "_" "-" name ${loc})
  add_test(NAME time_format_diff_${loc} COMMAND time_format_diff ${name})
  set_tests_properties(time_format_diff_${loc} PROPERTIES TIMEOUT 300 LABELS "windows"
    ENVIRONMENT "LC_ALL=${loc}.UTF-8;LANG=${loc}.UTF-8")
endforeach()

lartsen_add_gtest(clock_win32_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/clock_win32_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_win32.cpp)

lartsen_add_gtest(locale_win32_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/locale_win32_test.cpp
  LIBS lartsen_win32)
