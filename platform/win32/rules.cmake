# Rules on Windows: the user's collation for ranges, wide-path file reading, the ANSI code page.
lartsen_sources(lartsen_win32 . collation_win32 list_reader_win32)

lartsen_add_gtest(win32_rules_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/rules_win32_test.cpp LIBS lartsen_win32)
# A Russian locale makes the ANSI code page 1251, the one the rules files of Russian users use.
set_tests_properties(win32_rules_tests PROPERTIES ENVIRONMENT "LC_ALL=ru_RU.UTF-8")
