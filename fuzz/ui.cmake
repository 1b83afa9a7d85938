# Arbitrary paths for nested directory creation, arbitrary texts for the refresh-rate field.
lartsen_add_fuzzer(fuzz_complex_directory SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_complex_directory.cpp)
lartsen_add_fuzzer(fuzz_refresh_rate SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_refresh_rate.cpp)
