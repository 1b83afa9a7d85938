# Arbitrary templates and memory figures for the title template expansion.
lartsen_add_fuzzer(fuzz_title_format SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_title_format.cpp)
