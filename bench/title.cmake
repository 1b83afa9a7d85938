# Template expansion speed (native only).
if(NOT CMAKE_CROSSCOMPILING)
  lartsen_add_benchmark(title_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/title_bench.cpp)
endif()
