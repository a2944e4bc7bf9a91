#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the Windows backends' check program under Wine in a throw-away prefix inside the build
# folder (created on the first run, reused after), and leaves no wineserver running.
# Usage: run_under_wine.sh PROGRAM.exe PREFIX_DIR. Exit 77 (skipped) without Wine or the program.
set -uo pipefail
exe="$1"
mkdir -p "$2"
export WINEPREFIX="$(cd "$2" && pwd)"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made; no display is needed.
export WINEDLLOVERRIDES="mscoree=;mshtml="
unset DISPLAY WAYLAND_DISPLAY

command -v wine >/dev/null || { echo "wine is not installed"; exit 77; }
[ -f "$exe" ] || { echo "$exe was not built"; exit 77; }

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }
seconds_since() { local ms=$(( $(now_ms) - $1 )); printf '%d.%01d s' $((ms / 1000)) $((ms % 1000 / 100)); }
stop_server() { wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; }
trap stop_server EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  start=$(now_ms)
  wineboot --init >/dev/null 2>&1
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot could not create the prefix $WINEPREFIX"; exit 1; }
  echo "prefix created in $(seconds_since "$start")"
fi

start=$(now_ms)
wine "$exe" 2>&1 | tr -d '\r'
rc=${PIPESTATUS[0]}
echo "check ran in $(seconds_since "$start")"
exit "$rc"
