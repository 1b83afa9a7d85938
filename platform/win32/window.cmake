# Window and memory adapters, a helper program owning a window in a second process, and their
# tests under the compatibility layer; the number text checked against the platform's own.
lartsen_sources(lartsen_win32 . last_error_win32 window_win32 memory_win32 system_library)
target_link_libraries(lartsen_win32 PUBLIC shlwapi)

lartsen_add_program(helper_window GUI WIDE_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/helper_window.cpp LIBS shell32)

lartsen_add_gtest(win32_window_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/window_win32_test.cpp
  LIBS lartsen_win32 TIMEOUT 120)
add_dependencies(win32_window_tests helper_window)

lartsen_add_gtest(win32_number_text_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/number_text_win32_test.cpp LIBS oleaut32)
set_tests_properties(win32_number_text_tests PROPERTIES ENVIRONMENT "LC_ALL=en_US.UTF-8;LANG=en_US.UTF-8")
add_test(NAME win32_number_text_tests_ru_RU COMMAND win32_number_text_tests)
set_tests_properties(win32_number_text_tests_ru_RU PROPERTIES TIMEOUT 300 LABELS "windows"
  ENVIRONMENT "LC_ALL=ru_RU.UTF-8;LANG=ru_RU.UTF-8")

