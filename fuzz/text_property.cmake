# Arbitrary title properties of other programs' windows, as the X server hands them over.
lartsen_add_fuzzer(fuzz_text_property SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_text_property.cpp
  ${PROJECT_SOURCE_DIR}/platform/linux/x11/text_property.cpp)
