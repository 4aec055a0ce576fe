#!/usr/bin/env bash
# Compiles the help file from the HTML sources in docs/help/, with chmcmd
# from Debian's fp-utils; the pictures come from docs/ and res/.
#   bash tools/make-help.sh [OUTPUT]     (default build/help/Tintwright.chm)
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-build/help/Tintwright.chm}")
command -v chmcmd >/dev/null || { echo "make-help: chmcmd is missing (apt-get install fp-utils)" >&2; exit 1; }

stage=$(mktemp -d -t tintwright-help.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp docs/help/* docs/screenshot.png docs/layout-small.png docs/layout-medium.png res/logo.bmp "$stage/"
# chmcmd reports a missing page only as a line of its output, and still
# writes a file: such a line fails the build.
(cd "$stage" && chmcmd Tintwright.hhp) >"$stage/chmcmd.log" 2>&1 || { cat "$stage/chmcmd.log" >&2; exit 1; }
if grep -iE 'error|not found|missing' "$stage/chmcmd.log" >&2; then
  echo "make-help: chmcmd reported problems" >&2
  exit 1
fi
mkdir -p "$(dirname "$output")"
mv "$stage/Tintwright.chm" "$output"
echo "make-help: $output"
