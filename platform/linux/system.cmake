# Linux system services: /proc, LC_TIME, collation, XDG paths, settings file, autostart, lock.
target_sources(lartsen_linux PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/system/proc_process.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/linux_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/environment_linux.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/file_reader_linux.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/locale_linux.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/collation_linux.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/ini_settings_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/auto_start_linux.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/single_instance_linux.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system/rules_file_commands.cpp
  # The memory figures from /proc, shared with the console tool's native build.
  ${PROJECT_SOURCE_DIR}/tools/proc_memory.cpp)

lartsen_add_gtest(linux_system_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/linux_system_test.cpp
  LIBS lartsen_linux)
add_dependencies(linux_system_tests lartsen_linux_data)
