# X11 window facts: foreground, titles, class, process, full screen; their tests on a real server.
target_sources(lartsen_linux PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/window_facts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_full_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_process_routes.cpp)

# Against a real X server with openbox: run under scripts/with-x11 (label x11).
lartsen_add_gtest(x11_adapter_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/x11_windows_test.cpp
  LIBS lartsen_linux LABELS x11)
add_dependencies(x11_adapter_tests lartsen-test-window)
