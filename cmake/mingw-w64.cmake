# Cross-compiling toolchain: MinGW-w64 (posix thread model, so std::thread and
# std::mutex exist for GoogleTest), executables run under Wine by CTest.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)

find_program(CMAKE_CXX_COMPILER NAMES ${TW_MINGW_TRIPLE}-g++-posix
             ${TW_MINGW_TRIPLE}-g++ REQUIRED)
# GoogleTest's project also enables C.
find_program(CMAKE_C_COMPILER NAMES ${TW_MINGW_TRIPLE}-gcc-posix ${TW_MINGW_TRIPLE}-gcc REQUIRED)
