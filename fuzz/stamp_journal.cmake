# Arbitrary stored records and titles for the journal of the stamped window.
lartsen_add_fuzzer(fuzz_stamp_journal SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_stamp_journal.cpp)
