# The resident program Lartsen.exe: registry settings, autostart, single instance, tray window.
target_sources(lartsen_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app/registry_settings_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/auto_start_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/single_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/message_boxes.cpp)

add_executable(Lartsen WIN32
  ${CMAKE_CURRENT_LIST_DIR}/app/lartsen_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/program_parts.cpp)
target_link_libraries(Lartsen PRIVATE lartsen_win32 lartsen_core lartsen_resources comctl32 shell32)
lartsen_warnings(Lartsen)
lartsen_windows_static(Lartsen)
target_link_options(Lartsen PRIVATE -municode -mwindows)
# The shipped program is small: no symbols, unused code dropped.
target_compile_options(Lartsen PRIVATE -Os -ffunction-sections -fdata-sections)
target_link_options(Lartsen PRIVATE -s -Wl,--gc-sections)

lartsen_add_gtest(win32_app_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/app_registry_test.cpp
  LIBS lartsen_win32)
