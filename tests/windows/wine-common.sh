# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the Windows checks: the run's Wine prefix (made by wine-prefix.sh), quiet Wine, a
# private Xvfb on request, and a wineserver that never outlives the check.
#   RUN_FILE   the file wine-prefix.sh wrote (first argument of every check)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
unset WAYLAND_DISPLAY

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

load_prefix() {
  [ -f "$1" ] || { echo "no Wine prefix for this run ($1 missing): the windows_prefix check did not run or failed"; exit 1; }
  # shellcheck disable=SC1090
  . "$1"
  [ -f "$WINEPREFIX/system.reg" ] || { echo "the Wine prefix $WINEPREFIX is not usable"; exit 1; }
  export WINEPREFIX
}

XVFB_PID=""
# Starts Xvfb on a display it picks itself and exports DISPLAY; the screen is 1280x1024 or the
# size given (WIDTHxHEIGHT).
start_xvfb() {
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/setup.sh installs it)"; exit 1; }
  local fifo
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/tarq362a-xvfb.XXXXXX")
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number=""
  read -r -t 15 number <"$fifo" || true
  rm -f "$fifo"
  [ -n "$number" ] || { echo "Xvfb did not start"; exit 1; }
  export DISPLAY=":$number"
}

stop_wine_and_xvfb() {
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1
    timeout 20 wineserver -w >/dev/null 2>&1
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  fi
}
