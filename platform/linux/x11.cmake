# X11 window facts: foreground, titles, class, process, full screen; their tests on a real server.
target_sources(lartsen_linux PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/text_property.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/window_facts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_full_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11/x11_process_routes.cpp)

# Against a real X server with openbox: run under scripts/with-x11 (label x11). The cases take
# turns on the one display (RESOURCE_LOCK): each activates windows of its own.
add_executable(x11_adapter_tests ${CMAKE_CURRENT_LIST_DIR}/tests/x11_windows_test.cpp)
target_link_libraries(x11_adapter_tests PRIVATE lartsen_linux ${LARTSEN_GTEST_LIBS} ${LARTSEN_GTEST_MAIN})
lartsen_warnings(x11_adapter_tests)
add_dependencies(x11_adapter_tests lartsen-test-window)
gtest_discover_tests(x11_adapter_tests DISCOVERY_TIMEOUT 60
  PROPERTIES TIMEOUT 120 LABELS x11 RESOURCE_LOCK x11_display)
