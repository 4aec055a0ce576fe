# shellcheck shell=bash
# Sourced by the scripts that run Wine: one place for the environment every
# Wine process of this project gets, and for finding Debian's Wine programs.

# Quiet, and no Mono or Gecko installer dialogs; winemenubuilder would write
# menu entries and file associations into the user's own home.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# Debian's `wine` package adds the launchers on the PATH; with only `wine64`
# the loader and the server live in /usr/lib/wine.
TW_WINE=$(command -v wine || echo /usr/lib/wine/wine64)
TW_WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# The tests' prefix lives in the Windows build tree, so a fresh clone builds
# its own and nothing depends on the developer's ~/.wine.
tw_test_prefix() { # BUILD_DIR
  echo "$1/wineprefix"
}

# Ends every Wine process of a prefix, then waits (bounded) for its server to go.
tw_wine_stop() { # PREFIX
  [[ -d $1 ]] || return 0
  WINEPREFIX=$1 "$TW_WINESERVER" -k 2>/dev/null || true
  WINEPREFIX=$1 timeout 20 "$TW_WINESERVER" -w 2>/dev/null || true
}

# The Windows programs running in a prefix, one "PID COMMAND LINE" a line;
# Wine's own programs from C:\windows are left out. A Windows program is a
# process of Wine's loader whose command line Wine has set to the program's.
tw_wine_programs() { # PREFIX
  local environ pid command
  for environ in $(grep -lzxF "WINEPREFIX=$1" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [[ $(readlink "/proc/$pid/exe") == */wine64* ]] || continue
    command=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || continue
    [[ $command == 'C:\windows\'* ]] || echo "$pid $command"
  done
}
