#!/usr/bin/env bash
# Counts the Wine server requests that one measured operation of a timing
# program makes: a figure that, unlike the time, does not move with the
# machine. Runs the program with its trace marks on under a Wine server of
# its own that traces every request, then prints, per kind of operation, the
# median number of requests and the breakdown of one operation with that
# number.
#   tools/count-requests.sh follow_color_bench 20
# (the program and its arguments; build it first, e.g. with tools/bench.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

program=build/win/bin/$1.exe
shift
[[ -f $program ]] || { echo "count-requests: $program is not built" >&2; exit 2; }
export WINEPREFIX
WINEPREFIX=$(tw_test_prefix "$PWD/build/win")
trace=$(mktemp -t tintwright-trace.XXXXXX)
trap 'tw_wine_stop "$WINEPREFIX"; tw_display_stop; rm -f "$trace"' EXIT

bash tools/wine-prefix.sh "$WINEPREFIX"
tw_display_start
tw_wine_stop "$WINEPREFIX"
# The server writes the trace of every client that asks for it (+server).
"$TW_WINESERVER" -f -d1 2>"$trace" &
TW_TRACE_MARKS=1 WINEDEBUG=+server "$TW_WINE" "$program" "$@" >/dev/null 2>&1
tw_wine_stop "$WINEPREFIX"

# Requests are the trace lines "TID: name( ... )"; replies contain "() =".
awk '
  / open_event\(.*name=L"tw-begin / {
    match($0, /name=L"tw-begin [^"]*"/)
    label = substr($0, RSTART + 16, RLENGTH - 17); thread = $1; counting = 1
    delete kinds; total = 0; next
  }
  / open_event\(.*name=L"tw-end"/ { if (counting) report(); counting = 0; next }
  counting && $1 == thread && /\( / && !/\) = / {
    name = $2; sub(/\(.*/, "", name); kinds[name]++; total++
  }
  function report(   k, line) {
    line = ""
    for (k in kinds) line = line sprintf(" %s=%d", k, kinds[k])
    print label "\t" total "\t" line
  }
' "$trace" | sort -t$'\t' -k1,1 -k2,2n | awk -F'\t' '
  { rows[$1] = rows[$1] "\n" $2 "\t" $3; n[$1]++ }
  END {
    for (label in rows) {
      split(substr(rows[label], 2), lines, "\n")
      median = lines[int((n[label] + 1) / 2)]
      split(median, parts, "\t")
      printf "%s: median %d requests over %d operations;%s\n", label, parts[1], n[label], parts[2]
    }
  }' | sort
