#!/usr/bin/env bash
# Runs one libFuzzer harness: CTest's command for the fuzz tests, and what
# tools/fuzz.sh runs for longer.
#   cmake/fuzz-run.sh HARNESS CORPUS DICTIONARY|"" SEED_FOLDER...
# Runs for TW_FUZZ_SECONDS (20 unless set; 0 is no limit) and, when
# TW_FUZZ_RUNS is set, at most that many inputs. New inputs go to CORPUS,
# never to the seed folders of the repository; an input that fails is kept
# beside CORPUS as crash-*, leak-* or timeout-*. Prints libFuzzer's closing
# figures; on a failure, its report.
set -euo pipefail
harness=$1 corpus=$2 dictionary=$3
shift 3

mkdir -p "$corpus"
log=$corpus.log
options=(-max_total_time="${TW_FUZZ_SECONDS:-20}" -timeout=10 -rss_limit_mb=2048
         -print_final_stats=1 -artifact_prefix="$corpus-")
[[ -z $dictionary ]] || options+=(-dict="$dictionary")
[[ -z ${TW_FUZZ_RUNS:-} ]] || options+=(-runs="$TW_FUZZ_RUNS")

status=0
"$harness" "${options[@]}" "$corpus" "$@" >"$log" 2>&1 || status=$?
name=$(basename "$harness")
if ((status != 0)); then
  tail -n 60 "$log"
  echo "$name: FAILED (exit $status), inputs kept as $corpus-*; whole log $log"
  exit "$status"
fi
# The closing status line ("#N DONE cov: C ft: F corp: ...") and counts.
echo "$name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)"
grep -E '^stat::(number_of_executed_units|peak_rss_mb|slowest_unit_time_sec)' "$log" | sed "s/^/$name: /"
