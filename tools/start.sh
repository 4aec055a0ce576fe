#!/usr/bin/env bash
# Builds Tintwright.exe and starts it under Wine, passing the arguments on.
# Installs what is missing first. Without a DISPLAY it starts an Xvfb of its
# own and says how to take a screenshot of it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/display.sh

bash tools/install-deps.sh
bash tools/build.sh win --target Tintwright

# A prefix apart from the tests' one: what the program leaves behind here
# (settings, registry) never reaches a test, and test.sh ending its Wine
# server never ends this program.
export TW_WINEPREFIX=$PWD/build/win/wineprefix-start
# Wine passes Ctrl-C on to console programs only, so it would leave the
# window open: here it ends the Wine programs of this prefix. An Xvfb of our
# own goes away with this script, so Wine has to go first then, too.
trap 'tw_wine_stop "$TW_WINEPREFIX"; exit 130' INT TERM
trap 'if [[ -n $tw_xvfb_pid ]]; then tw_wine_stop "$TW_WINEPREFIX"; fi; tw_display_stop' EXIT
tw_display_start
# Waited for in the background: bash holds a trap back while a foreground
# command runs, but not during `wait`.
bash cmake/wine-run.sh build/win/bin/Tintwright.exe "$@" &
wait $!
