# shellcheck shell=bash
# Sourced by the scripts that need an X display for Wine. tw_display_start
# keeps the caller's DISPLAY, or starts a private Xvfb when there is none or
# on CI, where a developer's desktop must not decide how the tests run.
# tw_display_stop ends that Xvfb again.

tw_xvfb_pid=

tw_display_start() {
  if [[ -n ${DISPLAY:-} && ${CI:-} != true ]]; then return 0; fi
  local number log
  log=$(mktemp -t tintwright-xvfb.XXXXXX)
  # -displayfd picks a free display number and writes it once the server
  # accepts connections, so there is neither a guessed number nor a sleep.
  # Larger than Wine's 1280x1024 virtual desktop, so a test can tell that the
  # desktop really is the virtual one. -noreset: no server reset between
  # tests, when the last Wine client disconnects. Its own session keeps a
  # Ctrl-C from ending it before the Wine programs that draw on it.
  exec {tw_xvfb_fd}< <(exec setsid Xvfb -displayfd 1 -screen 0 1600x1200x24 -nolisten tcp -noreset 2>"$log")
  tw_xvfb_pid=$!
  if ! read -r -t 30 -u "$tw_xvfb_fd" number; then
    cat "$log" >&2
    echo "display: Xvfb did not start" >&2
    tw_display_stop
    return 1
  fi
  rm -f "$log"
  export DISPLAY=:$number
  echo "display: started Xvfb on $DISPLAY; screenshot: DISPLAY=$DISPLAY import -window root shot.png" >&2
}

tw_display_stop() {
  [[ -n $tw_xvfb_pid ]] || return 0
  kill "$tw_xvfb_pid" 2>/dev/null || true
  # A process substitution is not our child for `wait`; poll until it is gone.
  local deadline=$((SECONDS + 10))
  while kill -0 "$tw_xvfb_pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
  exec {tw_xvfb_fd}<&-
  tw_xvfb_pid=
}
