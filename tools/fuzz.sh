#!/usr/bin/env bash
# Builds the core's libFuzzer harnesses (build/fuzz, clang with ASan and
# UBSan) and runs each for SECONDS (20 unless given), two at a time, from its
# seeds and whatever earlier runs found (build/fuzz/fuzz-corpus/NAME).
#   bash tools/fuzz.sh [SECONDS]
# TW_FUZZ_RUNS=N stops each after N inputs (SECONDS 0: no time limit);
# TW_FUZZ_JOBS sets how many run at once. Ends with each harness's closing
# figures: inputs run, coverage (cov: edges, ft: features), corpus size.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
timeout=0
((seconds == 0)) || timeout=$((2 * seconds + 300))
bash tools/build.sh fuzz
status=0
TW_FUZZ_SECONDS=$seconds ctest --test-dir build/fuzz -j"${TW_FUZZ_JOBS:-2}" \
  --output-on-failure --timeout "$timeout" || status=$?
for log in build/fuzz/fuzz-corpus/*.log; do
  name=$(basename "$log" .log)
  echo "$name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || echo 'no closing figures')"
done
exit "$status"
