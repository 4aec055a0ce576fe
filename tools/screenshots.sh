#!/usr/bin/env bash
# Takes the screenshots in docs/: the window in each of its three layouts
# (docs/layout-small.png, -medium, -large) and docs/screenshot.png (large).
# Each is the program as it starts with a settings file that names the
# layout, cut out of Wine's desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

bash tools/build.sh win --target Tintwright
export TW_WINEPREFIX=$PWD/build/win/wineprefix-start
run=$(mktemp -d -t tintwright-shots.XXXXXX)
trap 'tw_wine_stop "$TW_WINEPREFIX"; tw_display_stop; rm -rf "$run"' EXIT
unset DISPLAY
tw_display_start
bash tools/wine-prefix.sh "$TW_WINEPREFIX" >/dev/null
cp build/win/bin/Tintwright.exe "$run/"

shoot() { # LAYOUT-NUMBER OUTPUT
  printf '[Tintwright]\r\nlayout=%s\r\n' "$1" >"$run/Tintwright.ini"
  WINEPREFIX=$TW_WINEPREFIX "$TW_WINE" "$run/Tintwright.exe" /multi &
  local program=$! desktop="" shot=$run/desktop.png
  for _ in $(seq 100); do
    desktop=$(xwininfo -root -tree 2>/dev/null | awk '/Wine desktop/ {print $1; exit}')
    [[ -n $desktop ]] && import -window "$desktop" "$shot" 2>/dev/null &&
      [[ $(convert "$shot" -trim -format '%w' info: 2>/dev/null) -gt 100 ]] && break
    sleep 0.2
  done
  sleep 1  # the first paint of every control
  import -window "$desktop" "$shot"
  convert "$shot" -trim +repage "$2"
  tw_wine_stop "$TW_WINEPREFIX"
  wait "$program" || true
  echo "screenshots: $2"
}

shoot 0 docs/layout-small.png
shoot 1 docs/layout-medium.png
shoot 2 docs/layout-large.png
cp docs/layout-large.png docs/screenshot.png
