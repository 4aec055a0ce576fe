# Host build: the portable core, its unit tests and the core benchmarks; or,
# with TW_LIBFUZZER (clang), the core and its coverage-guided fuzzers alone.
option(TW_LIBFUZZER "Build the core's libFuzzer harnesses, and nothing else" OFF)
if(TW_LIBFUZZER)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/fuzz/libfuzzer ${CMAKE_BINARY_DIR}/tests/libfuzzer)
  return()
endif()

option(TW_SANITIZE "Build the core and its unit tests with ASan and UBSan" OFF)
if(TW_SANITIZE)
  set(TW_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=all)
  target_compile_options(tintwright_core PUBLIC ${TW_SANITIZER_FLAGS})
  target_link_options(tintwright_core PUBLIC ${TW_SANITIZER_FLAGS})
endif()

find_package(GTest REQUIRED)
file(GLOB TW_UNIT_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(tintwright_unit_tests ${TW_UNIT_TEST_SOURCES})
target_link_libraries(tintwright_unit_tests PRIVATE tintwright_core
                      GTest::gtest GTest::gtest_main)
target_compile_definitions(tintwright_unit_tests PRIVATE
  TW_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/unit/data")
gtest_discover_tests(tintwright_unit_tests PROPERTIES TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB TW_CORE_BENCH_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/bench/core/*.cpp)
if(benchmark_FOUND AND TW_CORE_BENCH_SOURCES)
  add_executable(tintwright_core_bench ${TW_CORE_BENCH_SOURCES})
  target_link_libraries(tintwright_core_bench PRIVATE tintwright_core
                        benchmark::benchmark benchmark::benchmark_main)
endif()

# The seeded mutation run over the palette and settings file parsers.
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/fuzz ${CMAKE_BINARY_DIR}/tests/fuzz)
