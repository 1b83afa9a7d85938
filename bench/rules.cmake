# Rules: the wildcard comparison against the C library's fnmatch.
if(NOT CMAKE_CROSSCOMPILING)
  lartsen_add_benchmark(rules_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/rules_bench.cpp)
endif()
