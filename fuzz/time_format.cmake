# Arbitrary format texts and moments for the date and time format notation.
lartsen_add_fuzzer(fuzz_time_format SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_time_format.cpp)
