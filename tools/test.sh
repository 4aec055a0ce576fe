#!/usr/bin/env bash
# Builds and runs every test: the core's unit tests natively, plain and under
# ASan and UBSan, a short run of each libFuzzer harness, then the Windows
# build's tests under Wine, and the Windows build once more with clang
# (warnings as errors), whose exe passes the start-up tests. Installs what is
# missing first. The last line reads "N passed, N failed" over all of them;
# the exit status is nonzero when anything failed.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

prefix=$(tw_test_prefix "$PWD/build/win")
trap 'tw_wine_stop "$prefix"; tw_wine_stop "$(tw_test_prefix "$PWD/build/win-clang")"; tw_display_stop' EXIT

passed=0
failed=0

step() { # TITLE
  echo "== $1 (at $SECONDS s)"
}

# Runs ctest in build/KIND and adds its counts to the totals. A ctest that
# fails outside any test (no tests found, discovery under Wine failed) counts
# as one failure more, so it never passes unnoticed.
run_ctest() { # KIND [CTEST ARGS...]
  local kind=$1 log=build/$1/ctest.log status=0 run_failed=0 run_total=0
  shift
  ctest --test-dir "build/$kind" --output-on-failure --timeout 300 --no-tests=error "$@" 2>&1 |
    tee "$log" || status=$?
  if [[ $(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1) =~ ^([0-9]+)\ .*\ ([0-9]+)$ ]]; then
    run_failed=${BASH_REMATCH[1]}
    run_total=${BASH_REMATCH[2]}
  fi
  passed=$((passed + run_total - run_failed))
  if ((status != 0 && run_failed == 0)); then
    echo "test.sh: ctest in build/$kind failed outside the tests (exit $status)" >&2
    run_failed=1
  fi
  failed=$((failed + run_failed))
}

step "dependencies"
bash tools/install-deps.sh

step "host build"
bash tools/build.sh host
step "host tests"
run_ctest host -j2

step "sanitizer build"
bash tools/build.sh sanitize --target tintwright_unit_tests tintwright_mutation_run
step "sanitizer tests"
run_ctest sanitize -j2

step "fuzzer build"
bash tools/build.sh fuzz
step "fuzz smoke: every harness for ${TW_FUZZ_SECONDS:=20} s, two at a time"
TW_FUZZ_SECONDS=$TW_FUZZ_SECONDS run_ctest fuzz -j2

step "Windows build"
bash tools/build.sh win
step "Wine prefix"
bash tools/wine-prefix.sh "$prefix"
# A server left from an earlier run may still talk to a display that is gone.
tw_wine_stop "$prefix"
tw_display_start
step "Windows tests under Wine"
run_ctest win

step "Windows build with clang"
# The program and the tests that start it; the timing programs are left to gcc.
bash tools/build.sh win-clang --target tintwright_gui_tests
step "clang-built exe: self-contained, and the start-up tests under Wine"
run_ctest win-clang -R '^exe_is_self_contained$|Startup|CommandLineColor'
tw_wine_stop "$(tw_test_prefix "$PWD/build/win-clang")"

step "done"
echo "$passed passed, $failed failed"
((failed == 0))
