#!/usr/bin/env bash
# Configures and builds one of the build trees; extra arguments go to
# `cmake --build` (for example --target Tintwright).
#   bash tools/build.sh host|sanitize|fuzz|win|win-clang [ARGS...]
# host: the core and its unit tests; sanitize: the same with ASan and UBSan;
# fuzz: the core's libFuzzer harnesses, built by clang with ASan and UBSan;
# win: Tintwright.exe and the GUI tests, cross-compiled with MinGW-w64;
# win-clang: the same compiled by clang for MinGW-w64, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:?usage: build.sh host|sanitize|fuzz|win|win-clang [ARGS...]}
shift
# Release where the core benchmarks are built; unoptimized for the
# sanitizers, which compiles fastest and reports most exactly; line numbers
# where a Wine backtrace should point into the sources.
case $kind in
  host) options=(-DCMAKE_BUILD_TYPE=Release) ;;
  sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DTW_SANITIZE=ON) ;;
  # Optimized, as fuzzing wants many inputs a second; -g for the reports.
  fuzz) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_LIBFUZZER=ON -DCMAKE_CXX_COMPILER=clang++-14) ;;
  win) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake") ;;
  win-clang) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_WARNINGS_AS_ERRORS=ON
                      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-clang.cmake") ;;
  *) echo "build.sh: unknown build '$kind'" >&2; exit 2 ;;
esac

dir=build/$kind
cmake -S . -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir" -j2 "$@"
