# Linux system services: /proc, LC_TIME, collation, XDG paths, settings file, autostart, lock.
lartsen_sources(lartsen_linux system proc_process linux_paths environment_linux file_reader_linux
  locale_linux collation_linux ini_settings_store auto_start_linux single_instance_linux
  rules_file_commands safe_file display_name journal_file_store command_line session_notes
  ui_language_linux)
# The memory figures from /proc, shared with the console tool's native build.
target_sources(lartsen_linux PRIVATE ${PROJECT_SOURCE_DIR}/tools/proc_memory.cpp)

lartsen_add_gtest(linux_system_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/linux_system_test.cpp
  LIBS lartsen_linux)
add_dependencies(linux_system_tests lartsen_linux_data)
