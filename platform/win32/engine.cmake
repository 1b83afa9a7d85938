# Windows adapters of the title stamping engine and of process identification, with tests
# against real windows and a helper process of our own.
target_sources(lartsen_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/host_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/full_screen_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process_win32.cpp)
# Token privileges (the debug privilege request).
target_link_libraries(lartsen_win32 PUBLIC advapi32)

# A second process with a window, whose executable the process routes must name.
add_executable(engine_window_helper WIN32 ${CMAKE_CURRENT_LIST_DIR}/tests/engine_window_helper.cpp)
target_link_libraries(engine_window_helper PRIVATE shell32)
lartsen_warnings(engine_window_helper)
lartsen_windows_static(engine_window_helper)

lartsen_add_gtest(engine_win32_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/host_win32_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/full_screen_win32_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/process_win32_test.cpp
  LIBS lartsen_win32)
add_dependencies(engine_win32_tests engine_window_helper)
