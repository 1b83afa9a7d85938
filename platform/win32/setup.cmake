# The setup program, packed afresh from the build and run under the compatibility layer.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(setup_arch win64)
else()
  set(setup_arch win32)
endif()
lartsen_add_gtest(setup_program_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/setup_program_test.cpp
  LIBS shell32 shlwapi advapi32 psapi
  LABELS "e2e;setup"
  TIMEOUT 600)
add_dependencies(setup_program_tests Lartsen e2e_window_helper)
# Where the packages land beside the test's folder (CPACK_PACKAGE_DIRECTORY).
target_compile_definitions(setup_program_tests PRIVATE
  "LARTSEN_SETUP_FILE=L\"Lartsen-${PROJECT_VERSION}-${setup_arch}-setup.exe\""
  "LARTSEN_VERSION=L\"${PROJECT_VERSION}\"")
add_test(NAME setup_program_pack
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -G NSIS
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(setup_program_pack PROPERTIES FIXTURES_SETUP setup_program LABELS "windows;setup")
# The setup speaks the interface language: Russian as it always has, and English for a user
# whose interface language is another (the compatibility layer takes it from the locale). The
# English run installs, clicks through and uninstalls.
set_tests_properties(setup_program_tests PROPERTIES FIXTURES_REQUIRED setup_program
  ENVIRONMENT "LC_ALL=ru_RU.UTF-8;LANG=ru_RU.UTF-8")
add_test(NAME setup_program_tests_english COMMAND setup_program_tests
  "--gtest_filter=*SilentInstallPuts*:*ClickingThrough*:*SilentUninstall*:*UninstallWithRemoval*")
set_tests_properties(setup_program_tests_english PROPERTIES FIXTURES_REQUIRED setup_program
  ENVIRONMENT "LC_ALL=en_US.UTF-8;LANG=en_US.UTF-8" TIMEOUT 600 LABELS "windows;e2e;setup")
