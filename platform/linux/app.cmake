# The program `lartsen`: Qt 6 Widgets for the tray icon, menu and message boxes.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(lartsen_linux_app STATIC)
lartsen_sources(lartsen_linux_app app tray_window message_boxes_qt shell_qt signal_pipe x11_watch
  program_parts refresh_timer_qt instance_commands_qt)
target_link_libraries(lartsen_linux_app PUBLIC lartsen_linux Qt6::Widgets)
target_compile_definitions(lartsen_linux_app PRIVATE LARTSEN_VERSION="${PROJECT_VERSION}")
lartsen_warnings(lartsen_linux_app)

lartsen_add_program(lartsen SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/lartsen_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/lartsen.qrc LIBS lartsen_linux_app)
set_target_properties(lartsen PROPERTIES AUTORCC ON)
target_compile_definitions(lartsen PRIVATE LARTSEN_VERSION="${PROJECT_VERSION}")

# The data files beside the program in the build tree: its presence there tells the program
# that it runs from a build tree.
set(LARTSEN_LINUX_DATA_FILES
  ${PROJECT_SOURCE_DIR}/resources/linux/Conditions.INI
  ${PROJECT_SOURCE_DIR}/resources/linux/Conditions.Optional.INI
  ${PROJECT_SOURCE_DIR}/resources/linux/ReadMe.TXT
  ${PROJECT_SOURCE_DIR}/resources/linux/ReadMe.en.TXT)
set(linux_data_outputs)
foreach(data IN LISTS LARTSEN_LINUX_DATA_FILES)
  get_filename_component(data_name ${data} NAME)
  set(beside ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${data_name})
  add_custom_command(OUTPUT ${beside}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${data} ${beside}
    DEPENDS ${data}
    COMMENT "Copying ${data_name} beside lartsen")
  list(APPEND linux_data_outputs ${beside})
endforeach()
add_custom_target(lartsen_linux_data ALL DEPENDS ${linux_data_outputs})
add_dependencies(lartsen lartsen_linux_data)

# A window the X11 tests open, drive and close.
lartsen_add_program(lartsen-test-window SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/test_window.cpp
  LIBS PkgConfig::XCB)

# The program as a user drives it: tray, menu, rules, full screen, signals (label x11).
add_test(NAME lartsen_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/lartsen_e2e.sh $<TARGET_FILE_DIR:lartsen> ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(lartsen_e2e PROPERTIES LABELS x11 TIMEOUT 180 RESOURCE_LOCK x11_display)

# Unusual sessions and the user's files: no tray, a second user's copy, a very long title, the
# settings file left alone by switches and kept by saves, --settings and --quit (label x11).
add_test(NAME lartsen_session_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/lartsen_session_e2e.sh $<TARGET_FILE_DIR:lartsen> ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(lartsen_session_e2e PROPERTIES LABELS x11 TIMEOUT 240 RUN_SERIAL ON SKIP_RETURN_CODE 77
  RESOURCE_LOCK x11_display)

# Without an X11 display the program says so in one line and ends with status 1.
add_test(NAME lartsen_needs_x11
  COMMAND sh -c "env -u DISPLAY WAYLAND_DISPLAY=wayland-0 \"$0\"; echo \"status=$?\"" $<TARGET_FILE:lartsen>)
set_tests_properties(lartsen_needs_x11 PROPERTIES LABELS native
  PASS_REGULAR_EXPRESSION "^lartsen: [^\n]*X11[^\n]*\nstatus=1\n$")

# The command line answers before any display is looked for: usage and status 0 for --help,
# a complaint, the usage on stderr and status 2 for an unknown option. It speaks the user's
# language: Russian for a Russian desktop, English for any other.
add_test(NAME lartsen_help
  COMMAND sh -c "env -u DISPLAY LANGUAGE=ru \"$0\" --help 2>/dev/null; echo \"status=$?\"" $<TARGET_FILE:lartsen>)
set_tests_properties(lartsen_help PROPERTIES LABELS native
  PASS_REGULAR_EXPRESSION "^Использование: lartsen [^\n]*\n.*--settings.*--quit.*\nstatus=0\n$")
add_test(NAME lartsen_unknown_option
  COMMAND sh -c "env -u DISPLAY LANGUAGE=ru \"$0\" --bogus 2>&1 >/dev/null; echo \"status=$?\"" $<TARGET_FILE:lartsen>)
set_tests_properties(lartsen_unknown_option PROPERTIES LABELS native
  PASS_REGULAR_EXPRESSION "^lartsen: [^\n]*--bogus\nИспользование: lartsen.*\nstatus=2\n$")
set(english_desktop "env -u DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 XDG_CONFIG_HOME=/nonexistent")
add_test(NAME lartsen_help_english
  COMMAND sh -c "${english_desktop} \"$0\" --help 2>/dev/null; echo \"status=$?\"" $<TARGET_FILE:lartsen>)
set_tests_properties(lartsen_help_english PROPERTIES LABELS native
  PASS_REGULAR_EXPRESSION "^Usage: lartsen \\[OPTION\\]\n.*--settings.*--quit.*\nstatus=0\n$")
add_test(NAME lartsen_misuse_english
  COMMAND sh -c "${english_desktop} \"$0\" --quit --settings 2>&1 >/dev/null; echo \"status=$?\"" $<TARGET_FILE:lartsen>)
set_tests_properties(lartsen_misuse_english PROPERTIES LABELS native
  PASS_REGULAR_EXPRESSION "^lartsen: choose one action\nUsage: lartsen.*\nstatus=2\n$")

lartsen_add_gtest(linux_app_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/refresh_timer_qt_test.cpp
  LIBS lartsen_linux_app NO_MAIN LABELS linux)
