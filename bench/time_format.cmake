# Speed of the date and time format notation (Google Benchmark, native only).
if(NOT CMAKE_CROSSCOMPILING)
  lartsen_add_benchmark(time_format_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/time_format_bench.cpp)
endif()
