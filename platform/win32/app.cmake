# The resident program Lartsen.exe: registry settings, autostart, single instance, tray window.
lartsen_sources(lartsen_win32 app registry_settings_store auto_start_win32 single_instance
  message_boxes environment_win32 crash_restore window_events tray_icon popup_menu refresh_timer
  com_apartment)
target_link_libraries(lartsen_win32 PUBLIC ole32)

set(program_sources ${CMAKE_CURRENT_LIST_DIR}/app/lartsen_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/main_window.cpp ${CMAKE_CURRENT_LIST_DIR}/app/program_parts.cpp)
set(program_libs lartsen_win32 lartsen_core lartsen_resources shell32)
lartsen_add_program(Lartsen GUI WIDE_MAIN
  SOURCES ${program_sources} ${CMAKE_CURRENT_LIST_DIR}/app/runtime_imports.cpp LIBS ${program_libs})
# The shipped program is small: no symbols, unused code dropped.
target_compile_options(Lartsen PRIVATE -Os -ffunction-sections -fdata-sections)
target_link_options(Lartsen PRIVATE -s -Wl,--gc-sections)
# The loader of Windows XP refuses an image that asks for a newer subsystem than its own
# (5.1 for 32-bit XP, 5.2 for the x64 edition).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  target_link_options(Lartsen PRIVATE -Wl,--major-subsystem-version,5,--minor-subsystem-version,2
    -Wl,--major-os-version,5,--minor-os-version,2)
else()
  target_link_options(Lartsen PRIVATE -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,--major-os-version,5,--minor-os-version,1)
endif()

# The same program with a test-only way to make it crash; never shipped.
lartsen_add_program(lartsen_crash_probe GUI WIDE_MAIN SOURCES ${program_sources} LIBS ${program_libs})
target_compile_definitions(lartsen_crash_probe PRIVATE LARTSEN_CRASH_TRIGGER)
set_target_properties(lartsen_crash_probe PROPERTIES EXCLUDE_FROM_ALL ON)

lartsen_add_gtest(win32_app_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/app_registry_test.cpp
  LIBS lartsen_win32)

# End-to-end runs of the real program against helper windows in other processes.
lartsen_add_program(e2e_window_helper GUI WIDE_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/e2e_window_helper.cpp LIBS shell32)

lartsen_add_gtest(e2e_app_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/e2e_app_test.cpp
  LIBS shell32 advapi32 shlwapi psapi
  LABELS e2e
  TIMEOUT 300)
add_dependencies(e2e_app_tests Lartsen lartsen_crash_probe e2e_window_helper)

# The tray menu as a user meets it, on a real notification area (needs DISPLAY, trayer, xdotool).
add_test(NAME e2e_tray_menu
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/tray_menu_user.sh ${CMAKE_BINARY_DIR}/bin
          ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(e2e_tray_menu PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS "windows;e2e")

# The program starts on Windows XP: it imports nothing that XP lacks and asks for no newer
# subsystem.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(oldest_subsystem 5.2)
else()
  set(oldest_subsystem 5.1)
endif()
add_test(NAME lartsen_imports_are_in_windows_xp
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/tests/xp_imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:Lartsen>
          ${CMAKE_CURRENT_LIST_DIR}/tests/xp_imports.txt ${oldest_subsystem})
set_tests_properties(lartsen_imports_are_in_windows_xp PROPERTIES LABELS "windows")
