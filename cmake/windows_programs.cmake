# Windows build (MinGW-w64, i686): the programs, the animation library and the test programs
# that run under Wine.
enable_language(RC)
set(BW_WIN32_LIBS comctl32 comdlg32 winmm gdi32 user32 kernel32 advapi32 shell32 ole32 uuid mpr)

# Skins, sounds, icons and animation strips are generated from tools/art at build time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(BW_ART_DIR ${CMAKE_BINARY_DIR}/generated)
file(GLOB BW_ART_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/*.py)
if(BW_ART_SCRIPTS)
  add_custom_command(
    OUTPUT ${BW_ART_DIR}/art.stamp
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/art/generate.py --out ${BW_ART_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${BW_ART_DIR}/art.stamp
    DEPENDS ${BW_ART_SCRIPTS} ${CMAKE_SOURCE_DIR}/src/shell/skin_cells.h
            ${CMAKE_SOURCE_DIR}/src/resources/art.rc ${CMAKE_SOURCE_DIR}/src/waxanim/waxanim.rc
    COMMENT "Generating skins, sounds and animations"
    VERBATIM)
else()
  file(MAKE_DIRECTORY ${BW_ART_DIR})
  file(TOUCH ${BW_ART_DIR}/art.stamp)
endif()
add_custom_target(bw_art DEPENDS ${BW_ART_DIR}/art.stamp)

# The help file and the read-me are generated from docs/help and docs/Readme.txt beside the
# programs; the help file's control contexts come from the resource header.
set(BW_HELP_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/brindhlp.hlp)
set(BW_README_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Readme.txt)
file(GLOB BW_HELP_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/help/*.py)
file(GLOB BW_HELP_TEXTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*.txt)
add_custom_command(
  OUTPUT ${BW_HELP_FILE} ${BW_README_FILE}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/help/generate.py
          --source ${CMAKE_SOURCE_DIR}/docs/help --resource ${CMAKE_SOURCE_DIR}/src/resources/resource.h
          --out ${BW_HELP_FILE} --readme ${CMAKE_SOURCE_DIR}/docs/Readme.txt --readme-out ${BW_README_FILE}
  DEPENDS ${BW_HELP_SCRIPTS} ${BW_HELP_TEXTS} ${CMAKE_SOURCE_DIR}/src/resources/resource.h
          ${CMAKE_SOURCE_DIR}/docs/Readme.txt
  COMMENT "Generating the help file and the read-me"
  VERBATIM)
add_custom_target(bw_help ALL DEPENDS ${BW_HELP_FILE} ${BW_README_FILE})

# The default web template (its pictures drawn by tools/web/make_default_gifs.py) lies
# beside the programs, where the Create HTML Document dialog looks first.
file(GLOB BW_WEB_TEMPLATE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/web/*)
set(BW_WEB_TEMPLATE_COPIES)
foreach(template_file ${BW_WEB_TEMPLATE_FILES})
  get_filename_component(template_name ${template_file} NAME)
  add_custom_command(
    OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${template_name}
    COMMAND ${CMAKE_COMMAND} -E copy ${template_file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${template_name}
    DEPENDS ${template_file}
    VERBATIM)
  list(APPEND BW_WEB_TEMPLATE_COPIES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${template_name})
endforeach()
add_custom_target(bw_web_template ALL DEPENDS ${BW_WEB_TEMPLATE_COPIES})

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${BW_ART_DIR} -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_SOURCE_DIR}/src/resources")

if(EXISTS ${CMAKE_SOURCE_DIR}/src/waxanim/sources.cmake)
  include(${CMAKE_SOURCE_DIR}/src/waxanim/sources.cmake)
endif()

if(BW_APP_SOURCES)
  add_executable(BRINDWAX WIN32 ${BW_APP_SOURCES} ${CMAKE_SOURCE_DIR}/src/resources/brindwax.rc)
  set_target_properties(BRINDWAX PROPERTIES OUTPUT_NAME BRINDWAX SUFFIX .exe)
  target_link_libraries(BRINDWAX PRIVATE brindwax_core ${BW_WIN32_LIBS})
  add_dependencies(BRINDWAX bw_art bw_help)
  # The resource script depends on generated files; rebuild it when they change.
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/resources/brindwax.rc PROPERTIES
    OBJECT_DEPENDS ${BW_ART_DIR}/art.stamp)
  if(TARGET WaxAnim)
    add_dependencies(BRINDWAX WaxAnim)
  endif()
endif()

include(${CMAKE_SOURCE_DIR}/cmake/companion_programs.cmake)

# GoogleTest from Debian's source package, built with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(BW_TESTDATA_WINE "Z:${BW_TESTDATA_DIR}")
if(BW_UNIT_TESTS)
  add_executable(brindwax_tests ${BW_UNIT_TESTS})
  target_link_libraries(brindwax_tests PRIVATE brindwax_core gtest gtest_main ${BW_WIN32_LIBS})
  target_compile_definitions(brindwax_tests PRIVATE BW_TESTDATA_DIR="${BW_TESTDATA_WINE}")
endif()

# End-to-end tests: a Windows program that drives the real BRINDWAX.exe.
file(GLOB BW_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(BW_E2E_SOURCES)
  add_executable(e2e_tests ${BW_E2E_SOURCES})
  target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e)
  target_link_libraries(e2e_tests PRIVATE brindwax_core gtest ${BW_WIN32_LIBS} ws2_32)
  # BW_E2E_SOURCE_DIR: where the tests' own servers written in Python lie, as a Unix path.
  target_compile_definitions(e2e_tests PRIVATE BW_TESTDATA_DIR="${BW_TESTDATA_WINE}"
                             BW_E2E_SOURCE_DIR="${CMAKE_SOURCE_DIR}/tests/e2e")

  # The stand-in for the system's Mapi32.dll, which the submission tests copy beside the
  # program under that name; built under another name so the program in bin never loads it.
  # Its one export goes out undecorated, as GetProcAddress asks for it.
  add_library(mapi_stand_in SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/mapi_stand_in/mapi_stand_in.cpp)
  set_target_properties(mapi_stand_in PROPERTIES PREFIX "" SUFFIX .dll)
  target_link_options(mapi_stand_in PRIVATE -Wl,--kill-at)
  add_dependencies(e2e_tests mapi_stand_in)
endif()

# brindwax-cli for Windows: the same commands over the same core, ordering and lower-casing
# texts with the system's own functions. The JSON header is the native one, reached through
# a folder of its own so that no other native header comes into the cross build.
file(GLOB BW_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/cli/*.cpp)
if(BW_CLI_SOURCES AND EXISTS /usr/include/nlohmann/json.hpp)
  set(BW_JSON_INCLUDE ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${BW_JSON_INCLUDE})
  file(CREATE_LINK /usr/include/nlohmann ${BW_JSON_INCLUDE}/nlohmann SYMBOLIC)
  add_executable(brindwax-cli ${BW_CLI_SOURCES})
  target_include_directories(brindwax-cli PRIVATE ${BW_JSON_INCLUDE})
  target_link_libraries(brindwax-cli PRIVATE brindwax_core ${BW_WIN32_LIBS})
endif()
