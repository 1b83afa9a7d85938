# Rules: the wildcard comparison and the list reader's decoding and line handling.
lartsen_add_fuzzer(fuzz_like_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_like_text.cpp)
lartsen_add_fuzzer(fuzz_read_list SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_read_list.cpp)
