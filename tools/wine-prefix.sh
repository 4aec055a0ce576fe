#!/usr/bin/env bash
# Creates the Wine prefix PREFIX once, set up the way the GUI tests expect:
#   bash tools/wine-prefix.sh build/win/wineprefix
# A stamp holding this script's checksum marks a finished setup, so a prefix
# left half made, or made by an older version of this script, is made anew.
set -euo pipefail
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$tools/wine-env.sh"

prefix=$(realpath -m "$1")
stamp=$prefix/.tintwright-setup
wanted=$(sha256sum <"$tools/wine-prefix.sh" | cut -d' ' -f1)
[[ -f $stamp && $(<"$stamp") == "$wanted" ]] && exit 0

mkdir -p "$(dirname "$prefix")"
exec {lock}>"$prefix.lock"
flock "$lock"
# Another process may have finished the setup while this one waited.
[[ -f $stamp && $(<"$stamp") == "$wanted" ]] && exit 0

echo "wine-prefix: creating $prefix" >&2
started=$SECONDS
log=$prefix.log
tw_wine_stop "$prefix"
rm -rf "$prefix"
export WINEPREFIX=$prefix
# Wine is chatty even with WINEDEBUG=-all; its output is shown only on failure.
exec 3>&1 4>&2 >"$log" 2>&1
trap 'status=$?; if ((status)); then cat "$log" >&4; echo "wine-prefix: setup failed" >&4; fi' EXIT

"$TW_WINE" wineboot -i
"$TW_WINESERVER" -w

# Crashes end the process with a backtrace on stderr instead of a dialog
# that would wait for a click until the test times out. The virtual
# desktop gives windows frames, focus and a notification area with no
# window manager running; GUI tests rely on its size.
while read -r key value type data; do
  "$TW_WINE" reg add "$key" /v "$value" /t "$type" /d "$data" /f </dev/null
done <<'EOF'
HKCU\Software\Wine\WineDbg ShowCrashDialog REG_DWORD 0
HKCU\Software\Wine\Explorer Desktop REG_SZ Default
HKCU\Software\Wine\Explorer\Desktops Default REG_SZ 1280x1024
EOF

# Debian's wine64 leaves Wine's own fonts out of a new prefix: without them
# Marlett glyphs show as letters and Tahoma is missing.
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"

# Wine links Desktop, Documents and the like to the user's home; real
# folders keep what tests write inside the prefix.
for link in "$prefix"/drive_c/users/*/*; do
  [[ -L $link ]] || continue
  rm "$link"
  mkdir "$link"
done

# Registry changes reach a running Wine only after its server restarts.
"$TW_WINESERVER" -w

echo "$wanted" >"$stamp"
echo "wine-prefix: ready in $((SECONDS - started)) s" >&4
