# WaxAnim.dll, the animation library: a DLL of resources only (the catalogue string table, the
# frame strips and their palettes), made from waxanim.rc and the generated art. Windows build only.

if(NOT TARGET bw_art)
  # Used on its own (without the program's build): generate the art here.
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(BW_ART_DIR ${CMAKE_BINARY_DIR}/generated)
  file(GLOB BW_ART_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/*.py)
  add_custom_command(
    OUTPUT ${BW_ART_DIR}/art.stamp
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/art/generate.py --out ${BW_ART_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${BW_ART_DIR}/art.stamp
    # The generator also checks the sources that describe its files.
    DEPENDS ${BW_ART_SCRIPTS} ${CMAKE_SOURCE_DIR}/src/shell/skin_cells.h
            ${CMAKE_SOURCE_DIR}/src/resources/art.rc ${CMAKE_CURRENT_LIST_DIR}/waxanim.rc
    COMMENT "Generating skins, sounds and animations"
    VERBATIM)
  add_custom_target(bw_art DEPENDS ${BW_ART_DIR}/art.stamp)
endif()

add_library(WaxAnim SHARED ${CMAKE_CURRENT_LIST_DIR}/waxanim.rc)
set_target_properties(WaxAnim PROPERTIES
  PREFIX ""
  OUTPUT_NAME WaxAnim
  SUFFIX .dll
  LINKER_LANGUAGE C
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# No code at all: no C runtime and entry point 0, so loading the library runs nothing; no time
# stamp, so the same resources give the same file.
target_link_options(WaxAnim PRIVATE -nostdlib -Wl,-e,0 -Wl,--no-insert-timestamp)
target_include_directories(WaxAnim PRIVATE ${BW_ART_DIR})
add_dependencies(WaxAnim bw_art)
# The resource script names generated files; rebuild it when the art changes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/waxanim.rc PROPERTIES
  OBJECT_DEPENDS ${BW_ART_DIR}/art.stamp)
