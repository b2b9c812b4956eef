# Build helpers shared by every directory.

# z5t8_library(NAME [SOURCES ...] [DEPS ...]): a static library of the
# directory's *.cpp (or the given sources); includes are rooted at the
# project, so code writes #include "platform/serial/SerialPort.h".
function(z5t8_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT A_SOURCES)
    file(GLOB A_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# z5t8_tests(NAME LIBS ...): one test executable from tests/*.cpp.
# Suites named *Integration run under the label integration, *E2e under e2e,
# everything else under unit.
function(z5t8_tests name)
  if(NOT Z5T8_TEST_BUILD)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "LIBS" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 600)
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  set(exe ${name}_tests)
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
  set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${exe} PRIVATE
    Z5T8_SOURCE_DIR="${PROJECT_SOURCE_DIR}" Z5T8_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_test(NAME ${name}.unit COMMAND ${exe} --gtest_filter=-*Integration*:*E2e*)
  add_test(NAME ${name}.integration COMMAND ${exe} --gtest_filter=*Integration*)
  add_test(NAME ${name}.e2e COMMAND ${exe} --gtest_filter=*E2e*)
  foreach(kind unit integration e2e)
    set_tests_properties(${name}.${kind} PROPERTIES LABELS ${kind} TIMEOUT ${A_TIMEOUT}
      ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1")
  endforeach()
endfunction()

# z5t8_fuzzer(NAME SOURCE file LIBS ... CORPUS dir [RUNS n]): a libFuzzer
# target and a short CTest run (label fuzz) seeded from CORPUS. New inputs go
# to a scratch folder in the build tree, never into the sources.
function(z5t8_fuzzer name)
  if(NOT Z5T8_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "SOURCE;CORPUS;RUNS" "LIBS" ${ARGN})
  if(NOT A_RUNS)
    set(A_RUNS 20000)
  endif()
  add_executable(${name} ${A_SOURCE})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set(scratch ${CMAKE_BINARY_DIR}/fuzz/${name}.corpus)
  add_test(NAME fuzz.${name}
    COMMAND sh -c "mkdir -p '${scratch}' && exec '$<TARGET_FILE:${name}>' -runs=${A_RUNS} -max_total_time=60 -rss_limit_mb=2048 '${scratch}' '${A_CORPUS}'")
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()

# z5t8_tool(NAME SOURCES ... LIBS ...): a program in bin/.
function(z5t8_tool name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

# z5t8_benchmark(NAME SOURCES ... LIBS ...): a Google Benchmark program in
# bench/, built only outside the sanitizer build; CTest never runs it.
function(z5t8_benchmark name)
  if(Z5T8_TEST_BUILD)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE
    Z5T8_SOURCE_DIR="${PROJECT_SOURCE_DIR}" Z5T8_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/Resources.cmake)
