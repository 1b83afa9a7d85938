# Build helpers shared by every folder: warnings, core sources, tests, benchmarks, fuzz targets.
include_guard(GLOBAL)

function(lartsen_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
  if(LARTSEN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
      _WIN32_WINNT=0x0501 WINVER=0x0501)
  endif()
endfunction()

# Windows executables need no DLL beyond those Windows ships.
function(lartsen_windows_static target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# lartsen_add_program(name [GUI] [WIDE_MAIN] SOURCES ... [LIBS ...]): a program or helper with the
# project's warnings; on Windows linked statically, GUI for the windows subsystem, WIDE_MAIN for a
# wWinMain or wmain entry point.
function(lartsen_add_program name)
  cmake_parse_arguments(P "GUI;WIDE_MAIN" "" "SOURCES;LIBS" ${ARGN})
  if(P_GUI AND WIN32)
    add_executable(${name} WIN32 ${P_SOURCES})
  else()
    add_executable(${name} ${P_SOURCES})
  endif()
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  lartsen_warnings(${name})
  lartsen_windows_static(${name})
  if(P_WIDE_MAIN AND WIN32)
    target_link_options(${name} PRIVATE -municode)
  endif()
endfunction()

# lartsen_sources(target folder name...): adds folder/name.cpp, beside the calling list file, to
# a platform library.
function(lartsen_sources target folder)
  foreach(name IN LISTS ARGN)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/${folder}/${name}.cpp)
  endforeach()
endfunction()

# lartsen_core_layer(name lower...): the static library lartsen_<name> of one core folder,
# linked to the libraries of the rows below it.
function(lartsen_core_layer name)
  add_library(lartsen_${name} STATIC)
  target_include_directories(lartsen_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  lartsen_warnings(lartsen_${name})
  foreach(lower IN LISTS ARGN)
    target_link_libraries(lartsen_${name} PUBLIC lartsen_${lower})
  endforeach()
endfunction()

# Adds portable sources to the library of the core folder they sit in (and to the fuzzing copy).
function(lartsen_core_sources)
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" layer "${rel}")
  if(NOT TARGET lartsen_${layer})
    message(FATAL_ERROR "${rel}: core sources belong to a core folder (no library lartsen_${layer})")
  endif()
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    target_sources(lartsen_${layer} PRIVATE ${abs})
    if(TARGET lartsen_core_fuzz)
      target_sources(lartsen_core_fuzz PRIVATE ${abs})
    endif()
  endforeach()
endfunction()

macro(lartsen_setup_test_frameworks)
  if(CMAKE_CROSSCOMPILING)
    # GoogleTest from the machine's sources, built with the cross compiler.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
    set(LARTSEN_GTEST_LIBS gtest gmock)
    set(LARTSEN_GTEST_MAIN gtest_main)
  else()
    find_package(GTest REQUIRED)
    set(LARTSEN_GTEST_LIBS GTest::gtest GTest::gmock)
    set(LARTSEN_GTEST_MAIN GTest::gtest_main)
    if(LARTSEN_BENCH)
      find_package(benchmark REQUIRED)
    endif()
  endif()
  include(GoogleTest)
endmacro()

# lartsen_add_gtest(name SOURCES ... [LIBS ...] [NO_MAIN] [LABELS ...])
# Natively every test case becomes its own CTest entry; under the compatibility layer one
# entry runs the whole executable (starting it once per case would be slow).
function(lartsen_add_gtest name)
  cmake_parse_arguments(T "NO_MAIN" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} lartsen_core ${LARTSEN_GTEST_LIBS})
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE ${LARTSEN_GTEST_MAIN})
  endif()
  lartsen_warnings(${name})
  lartsen_windows_static(${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "windows;${T_LABELS}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "native;${T_LABELS}")
  endif()
endfunction()

# lartsen_add_benchmark(name SOURCES ... [LIBS ...]): Google Benchmark natively.
function(lartsen_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} lartsen_core benchmark::benchmark benchmark::benchmark_main)
  lartsen_warnings(${name})
endfunction()

# lartsen_add_fuzzer(name SOURCES ...): a libFuzzer target over the instrumented core.
function(lartsen_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS} lartsen_core_fuzz)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -g)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()
