# Cross-compiling toolchain: the same MinGW-w64 target, headers, libraries
# and linker as cmake/mingw-w64.cmake, with clang as the compiler, so that
# the code stays standard C++ plus Win32 and no one compiler's dialect.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)

find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES clang-14 clang REQUIRED)
set(CMAKE_CXX_COMPILER_TARGET ${TW_MINGW_TRIPLE})
set(CMAKE_C_COMPILER_TARGET ${TW_MINGW_TRIPLE})

# clang 14 finds MinGW's GCC folder only by a plain version number, and
# Debian names it "12-posix" (the thread model that gives std::thread), so
# libstdc++'s headers and libraries are named here, taken from that GCC.
find_program(TW_MINGW_GXX NAMES ${TW_MINGW_TRIPLE}-g++-posix ${TW_MINGW_TRIPLE}-g++ REQUIRED)
execute_process(COMMAND ${TW_MINGW_GXX} -print-libgcc-file-name
                OUTPUT_VARIABLE TW_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(TW_MINGW_GCC_DIR ${TW_LIBGCC} DIRECTORY)
set(TW_LIBSTDCXX_HEADERS ${TW_MINGW_GCC_DIR}/include/c++)
set(CMAKE_CXX_FLAGS_INIT
    "-nostdinc++ -isystem ${TW_LIBSTDCXX_HEADERS} -isystem ${TW_LIBSTDCXX_HEADERS}/${TW_MINGW_TRIPLE} -isystem ${TW_LIBSTDCXX_HEADERS}/backward")
# -pthread puts winpthreads inside the runtime's link group, where the
# posix libgcc looks for it.
# The compile flags reach the link as well, where -nostdinc++ has no use.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${TW_MINGW_GCC_DIR} -pthread -Wno-unused-command-line-argument")
