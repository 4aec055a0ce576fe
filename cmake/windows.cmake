# Windows build (MinGW-w64 here, MSVC or MSYS2 on Windows): Tintwright.exe and
# the GUI tests that drive it.
enable_language(RC)

set(TW_WIN32_DEFINES UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                     _WIN32_WINNT=0x0A00)
set(TW_WIN32_LIBS comctl32 comdlg32 gdi32 user32 shell32 advapi32 version
                  wininet uxtheme)

file(GLOB_RECURSE TW_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win/*.cpp)
list(FILTER TW_WIN_SOURCES EXCLUDE REGEX "/win/app/main\\.cpp$")

add_library(tintwright_win STATIC ${TW_WIN_SOURCES})
target_compile_definitions(tintwright_win PUBLIC ${TW_WIN32_DEFINES})
target_link_libraries(tintwright_win PUBLIC tintwright_core ${TW_WIN32_LIBS})
# The resource ids are shared by the .rc and the code; the version numbers
# come from the project's version.
configure_file(${CMAKE_SOURCE_DIR}/res/tintwright_version.h.in ${CMAKE_BINARY_DIR}/generated/tintwright_version.h @ONLY)
target_include_directories(tintwright_win PUBLIC ${CMAKE_SOURCE_DIR}/res
                                                 ${CMAKE_BINARY_DIR}/generated)
set(TW_RESOURCES ${CMAKE_SOURCE_DIR}/res/tintwright.rc)
# windres names no dependencies: a redrawn icon, cursor or bitmap must
# rebuild the resources all the same.
file(GLOB TW_RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.ico
     ${CMAKE_SOURCE_DIR}/res/*.cur ${CMAKE_SOURCE_DIR}/res/*.bmp
     ${CMAKE_SOURCE_DIR}/res/*.manifest)
set_source_files_properties(${TW_RESOURCES} PROPERTIES OBJECT_DEPENDS "${TW_RESOURCE_FILES}")

# The maker's web server (the version check and the web-site links) and
# support address. The defaults lie under the reserved .example domain, so
# that no build ever calls anybody's real server; a release sets its own:
#   cmake -DTW_MAKER_HOST=www.example.com -DTW_MAKER_EMAIL=help@example.com ...
set(TW_MAKER_HOST "www.quillfen.example" CACHE STRING
    "Host (and :port) of the maker's web server, reached over plain http")
set(TW_MAKER_EMAIL "support@quillfen.example" CACHE STRING "The maker's support address")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/win/dialogs/maker.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS TW_MAKER_HOST="${TW_MAKER_HOST}" TW_MAKER_EMAIL="${TW_MAKER_EMAIL}")

if(MINGW)
  target_compile_options(tintwright_win PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
  # Self-contained: no MinGW runtime DLL next to the exe; unused code dropped.
  set(TW_STATIC_LINK -static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
endif()

add_executable(Tintwright WIN32 src/win/app/main.cpp ${TW_RESOURCES})
target_link_libraries(Tintwright PRIVATE tintwright_win)
if(MINGW)
  target_link_options(Tintwright PRIVATE -municode ${TW_STATIC_LINK} -s)
endif()

# The checks of the built exe itself run natively (objdump), not under Wine;
# only a MinGW build can pull in MinGW's runtime DLLs.
if(MINGW)
  add_test(NAME exe_is_self_contained
           COMMAND sh ${CMAKE_SOURCE_DIR}/tools/check-exe.sh
                   $<TARGET_FILE:Tintwright>)
  set_tests_properties(exe_is_self_contained PROPERTIES TIMEOUT 60)
  # The release package, made from the very exe these tests run, then
  # checked: its three files, and its exe byte for byte the tested one.
  add_test(NAME package_is_built
           COMMAND bash ${CMAKE_SOURCE_DIR}/tools/package.sh --no-build
                   $<TARGET_FILE:Tintwright>)
  add_test(NAME package_holds_the_tested_exe
           COMMAND bash ${CMAKE_SOURCE_DIR}/tools/check-package.sh $<TARGET_FILE:Tintwright>)
  set_tests_properties(package_is_built PROPERTIES TIMEOUT 120 FIXTURES_SETUP package)
  set_tests_properties(package_holds_the_tested_exe PROPERTIES TIMEOUT 60
                       FIXTURES_REQUIRED package)
endif()

# GoogleTest from the sources Debian ships, built with the cross compiler.
set(TW_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TW_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL)
# Not our code: its warnings are its authors' to fix.
set_target_properties(gtest gmock PROPERTIES COMPILE_WARNING_AS_ERROR OFF)

file(GLOB TW_GUI_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/gui/*.cpp)
add_executable(tintwright_gui_tests ${TW_GUI_TEST_SOURCES} ${TW_RESOURCES})
# Winsock: the version check's tests serve their own answers on 127.0.0.1.
target_link_libraries(tintwright_gui_tests PRIVATE tintwright_win gtest gmock ws2_32)
# The core's fixture files, loaded from disk by the file layer's tests.
target_compile_definitions(tintwright_gui_tests PRIVATE
  TW_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/unit/data")
if(MINGW)
  target_link_options(tintwright_gui_tests PRIVATE -municode ${TW_STATIC_LINK})
endif()
add_dependencies(tintwright_gui_tests Tintwright)
# The process tests start the real exe, which must lie beside the test exe.
set_target_properties(Tintwright tintwright_gui_tests PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# One display and one pointer: GUI tests never run in parallel.
gtest_discover_tests(tintwright_gui_tests
  DISCOVERY_MODE PRE_TEST
  DISCOVERY_TIMEOUT 120
  PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# Each file of bench/win is a timing program of its own, run under Wine by
# hand; they start and find the exe with the GUI tests' own helpers.
file(GLOB TW_WIN_BENCH_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(bench_source ${TW_WIN_BENCH_SOURCES})
  get_filename_component(bench_name ${bench_source} NAME_WE)
  add_executable(${bench_name} ${bench_source} ${TW_RESOURCES}
                 ${CMAKE_SOURCE_DIR}/tests/gui/test_support.cpp)
  target_include_directories(${bench_name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/gui)
  target_link_libraries(${bench_name} PRIVATE tintwright_win)
  add_dependencies(${bench_name} Tintwright)
  if(MINGW)
    target_link_options(${bench_name} PRIVATE -municode ${TW_STATIC_LINK})
  endif()
  set_target_properties(${bench_name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endforeach()

# The seeded mutation run, with its checks on disk through the file layer.
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/fuzz ${CMAKE_BINARY_DIR}/tests/fuzz)
