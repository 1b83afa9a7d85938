# lartsen-format: the format notation on the command line, its argument tests and a black-box run.
add_library(lartsen_format_cli STATIC ${CMAKE_CURRENT_LIST_DIR}/format_command.cpp)
target_link_libraries(lartsen_format_cli PUBLIC lartsen_core)
lartsen_warnings(lartsen_format_cli)

lartsen_add_program(lartsen-format WIDE_MAIN SOURCES ${CMAKE_CURRENT_LIST_DIR}/format_main.cpp
  LIBS lartsen_format_cli $<$<BOOL:${WIN32}>:lartsen_win32>)
target_compile_definitions(lartsen-format PRIVATE LARTSEN_VERSION="${PROJECT_VERSION}")

lartsen_add_gtest(format_command_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/format_command_test.cpp
  LIBS lartsen_format_cli)

# The program as a user runs it: exit codes, UTF-8 lines and the error stream.
add_test(NAME lartsen_format_prints_lines
  COMMAND lartsen-format --locale ru-RU "dddddd hh:nn" 2000-01-01T14:05:01 36526.25)
set_tests_properties(lartsen_format_prints_lines PROPERTIES
  PASS_REGULAR_EXPRESSION "^1 января 2000 г\\. 14:05\r?\n1 января 2000 г\\. 06:00\r?\n$")
add_test(NAME lartsen_format_rejects_bad_moment COMMAND lartsen-format hh 2000-13-01)
set_tests_properties(lartsen_format_rejects_bad_moment PROPERTIES
  PASS_REGULAR_EXPRESSION "2000-13-01: Такой даты")
add_test(NAME lartsen_format_rejects_number_format COMMAND lartsen-format 0.00 1)
set_tests_properties(lartsen_format_rejects_number_format PROPERTIES
  PASS_REGULAR_EXPRESSION "1: Формат чисел")
add_test(NAME lartsen_format_takes_options_in_any_order
  COMMAND lartsen-format --format "hh:nn" --locale ru-RU --template "<%time%>" 2000-01-01T14:05:01)
set_tests_properties(lartsen_format_takes_options_in_any_order PROPERTIES
  PASS_REGULAR_EXPRESSION "^<14:05>\r?\n$")
add_test(NAME lartsen_format_help COMMAND lartsen-format --help)
set_tests_properties(lartsen_format_help PROPERTIES PASS_REGULAR_EXPRESSION "^usage: lartsen-format")
add_test(NAME lartsen_format_version COMMAND lartsen-format --version)
set_tests_properties(lartsen_format_version PROPERTIES
  PASS_REGULAR_EXPRESSION "^lartsen-format ${PROJECT_VERSION}\r?\n$")
