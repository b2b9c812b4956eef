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

# z5t8_tests(NAME LIBS ... [LINUX_ONLY file.cpp ...] [WINDOWS_ONLY file.cpp ...]): one test executable from
# tests/*.cpp. Suites named *Integration run under the label integration, *E2e
# under e2e, everything else under unit; CTest gets an entry NAME.<label> for
# each label that has tests in the built executable. The Windows build leaves
# out the LINUX_ONLY files (X11, pseudo-terminals, processes, the Linux text
# stack) and the libraries that only Linux has; the Linux build leaves out the
# WINDOWS_ONLY files.
function(z5t8_tests name)
  if(NOT Z5T8_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "LIBS;LINUX_ONLY;WINDOWS_ONLY" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 600)
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  set(libs ${A_LIBS})
  if(WIN32)
    foreach(file ${A_LINUX_ONLY})
      list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/tests/${file})
    endforeach()
    list(TRANSFORM libs REPLACE "^(.+)$" "$<TARGET_NAME_IF_EXISTS:\\1>")
  else()
    foreach(file ${A_WINDOWS_ONLY})
      list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/tests/${file})
    endforeach()
  endif()
  if(NOT srcs)
    return()
  endif()
  set(exe ${name}_tests)
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE ${libs} GTest::gtest_main GTest::gmock)
  set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${exe} PRIVATE
    Z5T8_SOURCE_DIR="${PROJECT_SOURCE_DIR}" Z5T8_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  # The entries are made when CTest reads the tree, from the built executable,
  # since only it knows every name that the label filters match.
  # Scratch files go to the build tree's own temporary folder, so that two trees
  # (a clone and a work tree, say) testing at once never share a fixed path.
  set(scratch ${CMAKE_BINARY_DIR}/tmp)
  file(MAKE_DIRECTORY ${scratch})
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_tests_entries.cmake)
  # Windows test programs run under Wine in the tree's own prefix.
  set(runner "")
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(runner ${CMAKE_COMMAND} -E env ${Z5T8_WINE_ENVIRONMENT} ${CMAKE_CROSSCOMPILING_EMULATOR})
  endif()
  file(GENERATE OUTPUT ${include_file} CONTENT
"include([==[${PROJECT_SOURCE_DIR}/cmake/Z5T8TestLabels.cmake]==])
z5t8_label_tests([==[${name}]==] [==[$<TARGET_FILE:${exe}>]==] ${A_TIMEOUT}
  [==[${CMAKE_CURRENT_BINARY_DIR}/${name}_tests_kinds.txt]==] [==[${scratch}]==]
  [==[${runner}]==])
")
  if(WIN32)
    z5t8_windows_resources(${exe})
  endif()
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
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
  if(WIN32 AND NOT name MATCHES "^z5t8-")
    z5t8_windows_resources(${name})
  endif()
endfunction()

# z5t8_benchmark(NAME SOURCES ... LIBS ...): a Google Benchmark program in
# bench/, built only outside the sanitizer build; CTest never runs it.
function(z5t8_benchmark name)
  if(Z5T8_TEST_BUILD OR WIN32)
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
