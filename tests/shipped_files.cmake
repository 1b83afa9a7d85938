# The files shipped beside the program: the default rules load and mean what they say.
lartsen_add_gtest(shipped_files_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/shipped_files_test.cpp)
target_compile_definitions(shipped_files_tests PRIVATE
  LARTSEN_SHIPPED_DIR="${CMAKE_SOURCE_DIR}/resources/shipped"
  LARTSEN_LINUX_SHIPPED_DIR="${CMAKE_SOURCE_DIR}/resources/linux")
