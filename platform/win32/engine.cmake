# Windows adapters of the title stamping engine and of process identification, with tests
# against real windows and a helper process of our own.
lartsen_sources(lartsen_win32 . host_win32 full_screen_win32 process_win32)
# Token privileges (the debug privilege request).
target_link_libraries(lartsen_win32 PUBLIC advapi32)

# A second process with a window, whose executable the process routes must name.
lartsen_add_program(engine_window_helper GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/engine_window_helper.cpp LIBS shell32)

lartsen_add_gtest(engine_win32_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/host_win32_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/full_screen_win32_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/process_win32_test.cpp
  LIBS lartsen_win32)
add_dependencies(engine_win32_tests engine_window_helper)
