#!/usr/bin/env bash
# Builds and runs the benchmarks: the core's natively (Google Benchmark), then
# the timing programs of bench/win under Wine against the real window. Run by
# hand on a quiet machine; the figures go into docs/performance.md.
#
# Each Windows program runs twice: as the scheduler places it, and with the
# program and the Wine server on one core. On a virtual machine a request to
# the Wine server costs ten times more when the two sit on different cores
# (the reply has to wake the other virtual CPU), and which of the two happens
# is the scheduler's choice from one minute to the next; every program prints
# the cost of one request in its own run.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

prefix=$(tw_test_prefix "$PWD/build/win")
trap 'tw_wine_stop "$prefix"; tw_display_stop' EXIT

bash tools/install-deps.sh
bash tools/build.sh host --target tintwright_core_bench
bash tools/build.sh win --target startup_bench follow_color_bench tick_bench gradients_bench color_list_bench
build/host/tintwright_core_bench --benchmark_min_time=0.5

tw_display_start
bash tools/wine-prefix.sh "$prefix"
tw_wine_stop "$prefix"
# A server that stays between the programs, so that it can be placed.
WINEPREFIX=$prefix "$TW_WINESERVER" -p 600
server=
for pid in $(pgrep -x 'wineserver64|wineserver'); do
  grep -qzxF "WINEPREFIX=$prefix" "/proc/$pid/environ" 2>/dev/null && server=$pid
done
[[ -n $server ]] || { echo "bench: the Wine server did not start" >&2; exit 1; }

run_all() { # PLACEMENT COMMAND-PREFIX...
  local placement=$1 bench
  shift
  for bench in startup_bench follow_color_bench tick_bench gradients_bench color_list_bench; do
    echo "== $bench ($placement)"
    "$@" cmake/wine-run.sh "build/win/bin/$bench.exe"
  done
}

taskset -cp "0-$(($(nproc) - 1))" "$server" >/dev/null
run_all "as scheduled" env
taskset -cp 0 "$server" >/dev/null
run_all "program and Wine server on core 0" taskset -c 0
