# The installer setup.exe and the uninstaller DelBrix.exe: each its own windows, the main
# program's look (skins, sounds, dialog chrome) and the core; and the distribution folder, the
# files of the installer's copy list beside setup.exe.
if(BW_SETUP_SOURCES)
  add_library(brindwax_companion_look STATIC ${BW_COMPANION_LOOK_SOURCES})
  target_link_libraries(brindwax_companion_look PUBLIC brindwax_core ${BW_WIN32_LIBS})

  add_executable(setup WIN32 ${BW_SETUP_SOURCES} ${CMAKE_SOURCE_DIR}/src/resources/setup.rc)
  set_target_properties(setup PROPERTIES OUTPUT_NAME setup SUFFIX .exe)
  target_link_libraries(setup PRIVATE brindwax_companion_look)
  add_dependencies(setup bw_art)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/resources/setup.rc PROPERTIES
    OBJECT_DEPENDS ${BW_ART_DIR}/art.stamp)
endif()

if(BW_DELBRIX_SOURCES)
  add_executable(DelBrix WIN32 ${BW_DELBRIX_SOURCES} ${CMAKE_SOURCE_DIR}/src/resources/delbrix.rc)
  set_target_properties(DelBrix PROPERTIES OUTPUT_NAME DelBrix SUFFIX .exe)
  target_link_libraries(DelBrix PRIVATE brindwax_companion_look)
  add_dependencies(DelBrix bw_art)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/resources/delbrix.rc PROPERTIES
    OBJECT_DEPENDS ${BW_ART_DIR}/art.stamp)
endif()

# The distribution folder: setup.exe with every file of its copy list beside it, as a disc or
# a download would hold them, with the default web template set of data/web.
if(TARGET setup AND TARGET DelBrix AND TARGET BRINDWAX AND TARGET WaxAnim)
  set(BW_DISTRIBUTION_DIR ${CMAKE_BINARY_DIR}/distribution)
  add_custom_target(bw_distribution ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BW_DISTRIBUTION_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:setup> $<TARGET_FILE:BRINDWAX> $<TARGET_FILE:DelBrix> $<TARGET_FILE:WaxAnim>
            ${BW_HELP_FILE} ${BW_README_FILE} ${BW_WEB_TEMPLATE_FILES} ${BW_DISTRIBUTION_DIR}
    DEPENDS ${BW_WEB_TEMPLATE_FILES}
    COMMENT "Making the distribution folder"
    VERBATIM)
  add_dependencies(bw_distribution setup DelBrix BRINDWAX WaxAnim bw_help)
endif()
