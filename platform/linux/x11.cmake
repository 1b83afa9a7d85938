# X11 window facts: foreground, titles, class, process, full screen; their tests on a real server.
lartsen_sources(lartsen_linux x11 x11_connection text_property window_facts x11_windows
  x11_full_screen x11_process_routes display_owner)

# Against a real X server with openbox: run under scripts/with-x11 (label x11). The cases take
# turns on the one display (RESOURCE_LOCK): each activates windows of its own.
lartsen_add_program(x11_adapter_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/x11_windows_test.cpp
  LIBS lartsen_linux ${LARTSEN_GTEST_LIBS} ${LARTSEN_GTEST_MAIN})
add_dependencies(x11_adapter_tests lartsen-test-window)
gtest_discover_tests(x11_adapter_tests DISCOVERY_TIMEOUT 60
  PROPERTIES TIMEOUT 120 LABELS x11 RESOURCE_LOCK x11_display)
