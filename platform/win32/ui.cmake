# The program's dialogs and shell on Windows: settings dialog, About, opening files, directory creation.
lartsen_sources(lartsen_win32 ui ansi_text file_system_win32 shell_win32 random_win32 dialog_layout
  version_block settings_dialog_win32 about_dialog_win32)
target_link_libraries(lartsen_win32 PUBLIC shell32 gdi32 user32)

lartsen_add_gtest(win32_ui_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ui/tests/directory_win32_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ui/tests/dialogs_win32_test.cpp
  LIBS lartsen_win32
  TIMEOUT 180)
# Pictures of the dialog and a preview box, kept for a person to look at.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(win32_ui_tests PROPERTIES ENVIRONMENT "LARTSEN_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots")

# The real program driven through its menu commands (needs Lartsen.exe beside the test).
if(TARGET Lartsen)
  lartsen_add_gtest(e2e_ui_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui/tests/e2e_ui_test.cpp
    LIBS shell32 advapi32 shlwapi
    LABELS e2e
    TIMEOUT 300)
  add_dependencies(e2e_ui_tests Lartsen)

  # The same program for a user whose interface speaks English: the compatibility layer takes
  # the interface language of a program from the locale of its environment.
  lartsen_add_gtest(e2e_english_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui/tests/e2e_english_test.cpp
    LIBS lartsen_win32 shell32 advapi32 shlwapi
    LABELS e2e
    TIMEOUT 180)
  add_dependencies(e2e_english_tests Lartsen)
  set_tests_properties(e2e_english_tests PROPERTIES ENVIRONMENT
    "LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;LC_MESSAGES=en_US.UTF-8;LARTSEN_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots")
endif()
