# Arbitrary sway trees and stamps for the sway route's tree walk and title_format commands.
find_package(nlohmann_json 3 REQUIRED)
lartsen_add_fuzzer(fuzz_sway_reply SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_sway_reply.cpp
  ${PROJECT_SOURCE_DIR}/platform/linux/sway/sway_tree.cpp
  ${PROJECT_SOURCE_DIR}/platform/linux/sway/title_format_command.cpp
  LIBS nlohmann_json::nlohmann_json)
