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
#
# Each floor program (bench/win/*_floor_bench) runs right after the program
# it is the floor of, in the same placement, and the ratios of the medians
# are printed: the time goals are those ratios, not absolute times.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

prefix=$(tw_test_prefix "$PWD/build/win")
output=$(mktemp -t tintwright-bench.XXXXXX)  # each program's output, for the ratios
trap 'tw_wine_stop "$prefix"; tw_display_stop; rm -f "$output"*' EXIT

bash tools/install-deps.sh
bash tools/build.sh host --target tintwright_core_bench
programs=(startup_bench follow_color_bench follow_color_floor_bench tick_bench tick_floor_bench
          gradients_bench color_list_bench)
bash tools/build.sh win --target "${programs[@]}"
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

# Every "median X ms" of a program over the one of its floor.
print_ratios() { # PROGRAM FLOOR PLACEMENT
  awk -v program="$1" -v placement="$3" '
    FNR == 1 { file++ }
    match($0, /median [0-9.]+ ms/) {
      median = substr($0, RSTART + 7, RLENGTH - 10)
      if (file == 1) { label[++n] = substr($0, 1, index($0, ":") - 1); value[n] = median }
      else floor = median
    }
    END {
      for (i = 1; i <= n; i++)
        printf "ratio (%s) %s / floor: %.2f\n", placement, label[i], value[i] / floor
    }' "$output.$1" "$output.$2"
}

run_all() { # PLACEMENT COMMAND-PREFIX...
  local placement=$1 bench
  shift
  for bench in "${programs[@]}"; do
    echo "== $bench ($placement)"
    "$@" cmake/wine-run.sh "build/win/bin/$bench.exe" | tee "$output.$bench"
  done
  print_ratios follow_color_bench follow_color_floor_bench "$placement"
  print_ratios tick_bench tick_floor_bench "$placement"
  rm -f "$output".*
}

taskset -cp "0-$(($(nproc) - 1))" "$server" >/dev/null
run_all "as scheduled" env
taskset -cp 0 "$server" >/dev/null
run_all "program and Wine server on core 0" taskset -c 0
