# Window and memory adapters, a helper program owning a window in a second process, and their
# tests under the compatibility layer; the number text checked against the platform's own.
target_sources(lartsen_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/last_error_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_win32.cpp)
target_link_libraries(lartsen_win32 PUBLIC shlwapi)

add_executable(helper_window WIN32 ${CMAKE_CURRENT_LIST_DIR}/tests/helper_window.cpp)
lartsen_warnings(helper_window)
lartsen_windows_static(helper_window)
target_link_options(helper_window PRIVATE -municode)
target_link_libraries(helper_window PRIVATE shell32)

lartsen_add_gtest(win32_window_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/window_win32_test.cpp
  LIBS lartsen_win32 TIMEOUT 120)
add_dependencies(win32_window_tests helper_window)

lartsen_add_gtest(win32_number_text_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/number_text_win32_test.cpp LIBS oleaut32)
set_tests_properties(win32_number_text_tests PROPERTIES ENVIRONMENT "LC_ALL=en_US.UTF-8;LANG=en_US.UTF-8")
add_test(NAME win32_number_text_tests_ru_RU COMMAND win32_number_text_tests)
set_tests_properties(win32_number_text_tests_ru_RU PROPERTIES TIMEOUT 300 LABELS "windows"
  ENVIRONMENT "LC_ALL=ru_RU.UTF-8;LANG=ru_RU.UTF-8")

