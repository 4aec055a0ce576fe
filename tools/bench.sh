#!/usr/bin/env bash
# Builds and runs the benchmarks: the core's natively (Google Benchmark), then
# the timing programs of bench/win under Wine against the real window. Run by
# hand on a quiet machine; the figures go into docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

prefix=$(tw_test_prefix "$PWD/build/win")
trap 'tw_wine_stop "$prefix"; tw_display_stop' EXIT

bash tools/install-deps.sh
bash tools/build.sh host --target tintwright_core_bench
bash tools/build.sh win --target startup_bench updatevalues_bench tick_bench color_list_bench
build/host/tintwright_core_bench --benchmark_min_time=0.5

tw_display_start
for bench in startup_bench updatevalues_bench tick_bench color_list_bench; do
  echo "== $bench"
  cmake/wine-run.sh "build/win/bin/$bench.exe"
done
