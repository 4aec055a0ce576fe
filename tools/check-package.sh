#!/usr/bin/env bash
# Checks the release package that tools/package.sh made from an exe:
#   bash tools/check-package.sh build/win/bin/Tintwright.exe
# - dist/Tintwright-<the exe's version>-win64.zip exists and holds exactly
#   Tintwright.exe, readme.txt and Tintwright.chm;
# - its Tintwright.exe is byte for byte the given one, the exe the tests ran;
# - readme.txt has Windows line ends, and Tintwright.chm is a compiled help
#   file that holds every page and picture of docs/help/Tintwright.hhp.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:?usage: check-package.sh PROGRAM.exe}
zip_file=dist/Tintwright-$(python3 tools/exe_version.py "$exe")-win64.zip
status=0
check() { # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; status=1; fi
}

[[ -f $zip_file ]] || { echo "FAIL $zip_file is missing (bash tools/package.sh makes it)"; exit 1; }
names=$(unzip -Z1 "$zip_file" | sort | tr '\n' ' ')
check "$zip_file holds the three files (it holds: $names)" \
  test "$names" = "Tintwright.chm Tintwright.exe readme.txt "
check "its exe is the one tested, $exe" cmp -s <(unzip -p "$zip_file" Tintwright.exe) "$exe"

lines=$(unzip -p "$zip_file" readme.txt | wc -l)
windows_lines=$(unzip -p "$zip_file" readme.txt | grep -c $'\r$' || true)
check "readme.txt ends each of its $lines lines with CR LF" test "$lines" -gt 0 -a "$lines" -eq "$windows_lines"

help=$(mktemp -t tintwright-help.XXXXXX)
trap 'rm -f "$help"' EXIT
unzip -p "$zip_file" Tintwright.chm >"$help"
check "Tintwright.chm is a compiled help file" test "$(head -c 4 "$help")" = ITSF
for page in $(sed -n '/^\[FILES\]/,/^\[/p' docs/help/Tintwright.hhp | grep -v '^\['); do
  check "Tintwright.chm holds $page" grep -aqF "/$page" "$help"
done
exit $status
