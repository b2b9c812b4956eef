# The native Windows build (cmake/mingw-w64.cmake): what differs from the
# Linux tree, in one place.

# Executables need only the DLLs that every Windows has.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(ZLIB_USE_STATIC_LIBS ON)

# Tests build in every Windows tree and run under Wine (scripts/test-windows)
# in the tree's own prefix, quietly and without a display.
set(Z5T8_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(Z5T8_WINE_ENVIRONMENT WINEPREFIX=${Z5T8_WINE_PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
set(Z5T8_TESTS ON)
enable_testing()
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Of the tools, the Windows tree builds the programs a user runs and what
# their tests need; the others are build and test tools of the build machine.
set(Z5T8_WINDOWS_TOOLS z5t8-flash make-image)

# The build machine's own tools (the layout and skin compilers that make the
# resources, and the phone simulator and image maker the Windows suite runs)
# come from a Release build of this same tree for the build machine, nested in
# this one, or from a Linux tree that has them already (Z5T8_HOST_TOOLS_DIR,
# its bin/ folder; scripts/test gives its sanitizer tree's).
set(Z5T8_HOST_TOOLS_DIR "" CACHE PATH "The build machine's layout-tool, skin-tool, phone-sim and make-image (empty: build them)")
set(host_tools layout-tool skin-tool phone-sim make-image)
if(Z5T8_HOST_TOOLS_DIR)
  set(Z5T8_HOST_BIN ${Z5T8_HOST_TOOLS_DIR})
  add_custom_target(z5t8_host_tools)
else()
  include(ExternalProject)
  set(Z5T8_HOST_DIR ${CMAKE_BINARY_DIR}/host)
  set(Z5T8_HOST_BIN ${Z5T8_HOST_DIR}/bin)
  set(host_outputs)
  foreach(tool ${host_tools})
    list(APPEND host_outputs ${Z5T8_HOST_BIN}/${tool})
  endforeach()
  ExternalProject_Add(z5t8_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${Z5T8_HOST_DIR}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${Z5T8_HOST_DIR} --target ${host_tools}
    BUILD_ALWAYS TRUE
    BUILD_BYPRODUCTS ${host_outputs}
    INSTALL_COMMAND "")
endif()
# The Linux tree's test program that drives the window end to end runs the
# same cases against this tree's program under Wine; a nested host build has
# no tests, so there it is left out.
if(Z5T8_HOST_TOOLS_DIR)
  set(Z5T8_HOST_E2E_TESTS ${Z5T8_HOST_TOOLS_DIR}/../tests/app_tests)
endif()
set(Z5T8_LAYOUT_TOOL ${Z5T8_HOST_BIN}/layout-tool)
set(Z5T8_LAYOUT_TOOL_DEPENDS ${Z5T8_HOST_BIN}/layout-tool z5t8_host_tools)
set(Z5T8_SKIN_TOOL ${Z5T8_HOST_BIN}/skin-tool)
set(Z5T8_SKIN_TOOL_DEPENDS ${Z5T8_HOST_BIN}/skin-tool z5t8_host_tools)
# Tests that need the simulator depend on it by its usual name.
add_custom_target(phone-sim DEPENDS z5t8_host_tools)

# z5t8_windows_resources(TARGET [ICON png] [DESCRIPTION text]): the manifest
# (UTF-8 as the process's narrow code page), a version record and the icon.
function(z5t8_windows_resources target)
  cmake_parse_arguments(A "" "ICON;DESCRIPTION" "" ${ARGN})
  set(Z5T8_RC_NAME ${target})
  set(Z5T8_RC_DESCRIPTION "${A_DESCRIPTION}")
  if(NOT Z5T8_RC_DESCRIPTION)
    set(Z5T8_RC_DESCRIPTION ${target})
  endif()
  set(Z5T8_RC_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  string(REPLACE . , Z5T8_RC_VERSION_COMMAS ${Z5T8_RC_VERSION})
  set(Z5T8_RC_MANIFEST ${PROJECT_SOURCE_DIR}/resources/windows/program.manifest)
  set(Z5T8_RC_ICON "")
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/resources)
  if(A_ICON)
    # An icon whose one image is the PNG itself, as icons may hold since Vista.
    file(SIZE ${A_ICON} size)
    set(bytes "")
    foreach(shift 0 8 16 24)
      math(EXPR byte "(${size} >> ${shift}) & 255")
      math(EXPR o1 "${byte} / 64")
      math(EXPR o2 "(${byte} / 8) % 8")
      math(EXPR o3 "${byte} % 8")
      string(APPEND bytes "\\${o1}${o2}${o3}")
    endforeach()
    set(ico ${dir}/${target}.ico)
    add_custom_command(OUTPUT ${ico}
      COMMAND sh -c "printf '\\000\\000\\001\\000\\001\\000\\040\\040\\000\\000\\001\\000\\040\\000${bytes}\\026\\000\\000\\000' > \"$0\" && cat \"$1\" >> \"$0\"" ${ico} ${A_ICON}
      DEPENDS ${A_ICON}
      VERBATIM)
    set(Z5T8_RC_ICON "1 ICON \"${ico}\"")
    set_source_files_properties(${dir}/${target}.rc PROPERTIES OBJECT_DEPENDS ${ico})
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in ${dir}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${target}.rc)
endfunction()
