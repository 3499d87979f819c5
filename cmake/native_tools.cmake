# Native (Linux) build: unit tests, the command-line tool, benchmarks and fuzz targets.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

if(BW_UNIT_TESTS)
  add_executable(brindwax_tests ${BW_UNIT_TESTS})
  target_link_libraries(brindwax_tests PRIVATE brindwax_core GTest::gtest GTest::gtest_main Threads::Threads)
  target_compile_definitions(brindwax_tests PRIVATE BW_TESTDATA_DIR="${BW_TESTDATA_DIR}")
  add_test(NAME brindwax_tests COMMAND brindwax_tests)
endif()

file(GLOB BW_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/cli/*.cpp)
if(BW_CLI_SOURCES)
  add_executable(brindwax-cli ${BW_CLI_SOURCES})
  target_link_libraries(brindwax-cli PRIVATE brindwax_core)
endif()

file(GLOB BW_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
if(BW_BENCHMARKS AND BW_BENCH_SOURCES)
  find_package(benchmark REQUIRED)
  add_executable(brindwax_bench ${BW_BENCH_SOURCES})
  target_link_libraries(brindwax_bench PRIVATE brindwax_core benchmark::benchmark benchmark::benchmark_main)
endif()

# libFuzzer targets need clang; with another compiler they are skipped. A build with benchmarks
# leaves them out: the benchmarks measure the core without the fuzzers' instrumentation.
file(GLOB BW_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND BW_FUZZ_SOURCES AND NOT BW_BENCHMARKS)
  # Coverage instrumentation of the core lets the fuzzers steer into the parsers themselves.
  target_compile_options(brindwax_core PRIVATE -fsanitize=fuzzer-no-link)
  foreach(fuzz_source ${BW_FUZZ_SOURCES})
    get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
    add_executable(${fuzz_name} ${fuzz_source})
    target_compile_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${fuzz_name} PRIVATE brindwax_core)
  endforeach()
endif()
