#!/usr/bin/env bash
# Runs a Windows program under Wine: CTest's emulator for the MinGW build,
# used for test discovery as well as for every test.
#   cmake/wine-run.sh PROGRAM.exe [ARGS...]
# The prefix is TW_WINEPREFIX when set, else the one inside the build tree
# that holds PROGRAM; it is created on first use. The exit status is the
# program's exit code modulo 256 (Wine turns a nonzero code whose low byte is
# zero into 1, so a failure never reads as success).
set -euo pipefail
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../tools" && pwd)
source "$tools/wine-env.sh"

build_dir_of() { # PATH: the nearest enclosing folder with a CMakeCache.txt
  local dir
  dir=$(cd "$(dirname "$1")" && pwd)
  until [[ -f $dir/CMakeCache.txt || $dir == / ]]; do dir=$(dirname "$dir"); done
  [[ -f $dir/CMakeCache.txt ]] || { echo "wine-run: $1 is not inside a CMake build tree" >&2; exit 2; }
  echo "$dir"
}

export WINEPREFIX=${TW_WINEPREFIX:-$(tw_test_prefix "$(build_dir_of "$1")")}
bash "$tools/wine-prefix.sh" "$WINEPREFIX"
[[ -n ${DISPLAY:-} ]] || echo "wine-run: DISPLAY is not set, windows cannot open (tools/test.sh starts Xvfb)" >&2

# CTest ends a test that runs out of time with SIGKILL, which does not reach
# the programs it started (Wine gives each a session of its own): a
# Tintwright.exe left so would answer the next test's single-instance check.
# In the tests' prefix nothing but Wine's own programs may run between tests.
if [[ -z ${TW_WINEPREFIX:-} && -n $(tw_wine_programs "$WINEPREFIX") ]]; then
  echo "wine-run: ending what an earlier test left running:" >&2
  tw_wine_programs "$WINEPREFIX" >&2
  tw_wine_stop "$WINEPREFIX"
fi

# Wine's server, services and desktop process inherit the stderr of the
# program that first needs them and keep it open until they exit; CTest
# waits for the end of that pipe, which made every test last as long as
# Wine's shutdown. So they get a file, which is passed on as it grows. It
# lies in the prefix: CTest ends a test that times out with SIGKILL, and
# what that leaves behind goes with the build tree.
stderr_file=$(mktemp -p "$WINEPREFIX" stderr.XXXXXX)
trap 'rm -f "$stderr_file"' EXIT

# Debian's server exits as soon as the last program ends, and the next test
# then waits for Wine's services and desktop to start again. Keep it for a
# few seconds instead: long enough to carry over from one test to the next,
# short enough that nothing is left behind for long. Status 2: it runs already.
"$TW_WINESERVER" -p5 2>>"$stderr_file" || (($? == 2)) || { cat "$stderr_file" >&2; exit 1; }

# Follows the file until this script has ended, then shows what is left.
tail -n +1 -s 0.1 --pid=$$ -f "$stderr_file" >&2 &
status=0
"$TW_WINE" "$@" 2>>"$stderr_file" || status=$?
exit "$status"
