# lartsen-format --template: template expansion with this machine's memory figures.
target_sources(lartsen_format_cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/template_command.cpp)
if(WIN32)
  target_link_libraries(lartsen_format_cli PUBLIC lartsen_win32)
else()
  target_sources(lartsen_format_cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/proc_memory.cpp)
endif()

lartsen_add_gtest(template_command_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/template_command_test.cpp LIBS lartsen_format_cli)

# The program as a user runs it: a template with the time and a memory figure.
add_test(NAME lartsen_format_expands_template
  COMMAND lartsen-format --template "[%time%] %MemoryLoadPercent%+%MemoryAvailPercent%"
          --format hh:nn:ss 36526.25)
set_tests_properties(lartsen_format_expands_template PROPERTIES
  PASS_REGULAR_EXPRESSION "^\\[06:00:00\\] [0-9]+\\+[0-9]+\r?\n$")
