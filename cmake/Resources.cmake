# Resources: data files compiled into a program and found by name at run time
# (framework/Resources.h).
#
# z5t8_embed_resource(TARGET NAME FILE)
#   FILE's bytes become the resource NAME of TARGET.
# z5t8_skin_theme_stream(OUT SKINDIR)
#   Compiles the skin sources in SKINDIR with skin-tool into the "_MCT" container and wraps
#   it as a theme list item's "ThemeStream" value in OUT, for a layout's {@NAME}.
# z5t8_layout_resource(TARGET NAME TEXTFILE [INCLUDES NAME=FILE ...])
#   TEXTFILE, a window layout in text form, is compiled by layout-tool and embedded as NAME;
#   binary values written {@NAME} in it take the bytes of the file given for NAME.
# Z5T8_AQUA_THEME_STREAM
#   The Aqua skin (resources/skins/Aqua) as such a value, compiled once for every directory
#   that embeds it or a layout with it; the target z5t8_aqua_theme_stream makes it.
#
# Run as a script (cmake -DNAME= -DINPUT= -DOUTPUT= -P Resources.cmake) this file writes the
# C++ source that registers one resource.

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED OUTPUT)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  if(size EQUAL 0)
    set(bytes "0")
  endif()
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include \"framework/Resources.h\"\n\n"
    "namespace {\n"
    "alignas(8) const uint8_t kData[] = {\n${bytes}};\n"
    "const z5t8::framework::TResourceRegistrar kRegistrar(\"${NAME}\", kData, ${size});\n"
    "}  // namespace\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

set(Z5T8_RESOURCES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

# The compilers run on the build machine: this tree's own targets, unless a
# cross build has set them to the build machine's programs.
if(NOT Z5T8_LAYOUT_TOOL)
  set(Z5T8_LAYOUT_TOOL layout-tool)
  set(Z5T8_LAYOUT_TOOL_DEPENDS layout-tool)
endif()
if(NOT Z5T8_SKIN_TOOL)
  set(Z5T8_SKIN_TOOL skin-tool)
  set(Z5T8_SKIN_TOOL_DEPENDS skin-tool)
endif()

function(z5t8_embed_resource target name file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/resources/${target}-${name}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DNAME=${name} -DINPUT=${file} -DOUTPUT=${out} -P ${Z5T8_RESOURCES_SCRIPT}
    DEPENDS ${file} ${Z5T8_RESOURCES_SCRIPT}
    COMMENT "Embedding resource ${name}"
    VERBATIM)
  z5t8_depend_on_shared_resource(${target} ${file})
  target_sources(${target} PRIVATE ${out})
  target_link_libraries(${target} PRIVATE z5t8_framework)
endfunction()

function(z5t8_skin_theme_stream out dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.txt ${dir}/*.png)
  get_filename_component(skin ${out} NAME_WE)
  get_filename_component(outdir ${out} DIRECTORY)
  set(container ${outdir}/${skin}.mskn)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
    COMMAND ${Z5T8_SKIN_TOOL} compile ${dir} ${container}
    COMMAND ${Z5T8_SKIN_TOOL} themestream ${container} ${out}
    DEPENDS ${Z5T8_SKIN_TOOL_DEPENDS} ${sources}
    COMMENT "Compiling skin ${dir}"
    VERBATIM)
endfunction()

function(z5t8_layout_resource target name text)
  cmake_parse_arguments(A "" "" "INCLUDES" ${ARGN})
  set(bin ${CMAKE_CURRENT_BINARY_DIR}/resources/${target}-${name}.bin)
  set(args)
  set(deps)
  foreach(include ${A_INCLUDES})
    list(APPEND args -I ${include})
    string(REGEX REPLACE "^[^=]*=" "" file ${include})
    list(APPEND deps ${file})
    z5t8_depend_on_shared_resource(${target} ${file})
  endforeach()
  add_custom_command(OUTPUT ${bin}
    COMMAND ${Z5T8_LAYOUT_TOOL} compile ${text} ${bin} ${args}
    DEPENDS ${Z5T8_LAYOUT_TOOL_DEPENDS} ${text} ${deps}
    COMMENT "Compiling layout ${name}"
    VERBATIM)
  z5t8_embed_resource(${target} ${name} ${bin})
endfunction()

# A file made in another directory is built by its own target, which must come first.
function(z5t8_depend_on_shared_resource target file)
  if(file STREQUAL Z5T8_AQUA_THEME_STREAM)
    add_dependencies(${target} z5t8_aqua_theme_stream)
  endif()
endfunction()

set(Z5T8_AQUA_THEME_STREAM ${PROJECT_BINARY_DIR}/skins/AquaThemeStream.bin)
z5t8_skin_theme_stream(${Z5T8_AQUA_THEME_STREAM} ${PROJECT_SOURCE_DIR}/resources/skins/Aqua)
add_custom_target(z5t8_aqua_theme_stream DEPENDS ${Z5T8_AQUA_THEME_STREAM})
