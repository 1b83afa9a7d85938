# sway sessions: windows reached through sway's IPC (JSON by nlohmann-json), titles shown through
# each window's title_format. The IPC client and the facts need no Qt; the watch and run do.
find_package(nlohmann_json 3 REQUIRED)

add_library(lartsen_linux_sway STATIC)
lartsen_sources(lartsen_linux_sway sway sway_ipc sway_tree title_format_command format_journal
  sway_windows sway_adapters)
target_link_libraries(lartsen_linux_sway PUBLIC lartsen_linux nlohmann_json::nlohmann_json)
lartsen_warnings(lartsen_linux_sway)

lartsen_add_gtest(sway_adapter_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/sway/tests/sway_windows_test.cpp
  LIBS lartsen_linux_sway LABELS linux)

# The watch, the parts and the run, in Qt; the program chooses this run in a sway session.
add_library(lartsen_linux_sway_app STATIC)
lartsen_sources(lartsen_linux_sway_app sway sway_watch sway_program_parts sway_main)
target_link_libraries(lartsen_linux_sway_app PUBLIC lartsen_linux_sway lartsen_linux_app lartsen_linux_ui)
lartsen_warnings(lartsen_linux_sway_app)
target_link_libraries(lartsen PRIVATE lartsen_linux_sway_app)

# The program in a headless sway with XWayland (label sway, under scripts/with-sway); skipped,
# with its reason, where sway cannot start.
add_test(NAME lartsen_sway_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/sway/tests/lartsen_sway_e2e.sh $<TARGET_FILE_DIR:lartsen> ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(lartsen_sway_e2e PROPERTIES LABELS sway TIMEOUT 180 SKIP_RETURN_CODE 77 RESOURCE_LOCK sway_session)

# A SWAYSOCK of a sway that has ended does not take the program off the X11 route.
add_test(NAME lartsen_stale_swaysock_is_no_session
  COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY SWAYSOCK=/nonexistent/sway-ipc.sock \"$0\"; echo \"status=$?\"" $<TARGET_FILE:lartsen>)
set_tests_properties(lartsen_stale_swaysock_is_no_session PROPERTIES LABELS native
  PASS_REGULAR_EXPRESSION "^lartsen: [^\n]*X11[^\n]*\nstatus=1\n$")
