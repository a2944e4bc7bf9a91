#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows installer under Wine: cpack makes tarq362a-<version>-setup.exe in the Windows
# build tree; it installs silently, the installed program starts (--demo --quit-after-show) and
# keeps its files in the user's application-data folder, and the silent uninstall leaves no
# program file, Start menu entry or registry entry behind. Called by run-windows-check.sh with
# the prefix and a display set. Usage: installer-check.sh WINDOWS_BUILD_DIR
set -uo pipefail
build="$(cd "$1" && pwd)"
failures=0
check() { # check NAME CONDITION...
  local name="$1"; shift
  if "$@"; then echo "ok $name"; else echo "not ok $name"; failures=$((failures + 1)); fi
}
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

start=$(now_ms)
(cd "$build" && cpack -G NSIS -B "$build/package" >"$build/package.log" 2>&1) || { cat "$build/package.log"; echo "cpack failed"; exit 1; }
setup=$(ls "$build"/package/tarq362a-*-setup.exe 2>/dev/null | head -n1)
[ -n "$setup" ] || { echo "no tarq362a-<version>-setup.exe in $build/package"; exit 1; }
echo "# $(basename "$setup"): $(stat -c %s "$setup") bytes, made in $(( $(now_ms) - start )) ms"

drive_c="$WINEPREFIX/drive_c"
target="$drive_c/Program Files/TARQ362A"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TARQ362A'
shortcuts() { find "$drive_c" -path '*Start Menu*' -iname '*TARQ362A*' 2>/dev/null; }
user_data() { find "$drive_c/users" -maxdepth 4 -path '*AppData/Roaming/TARQ362A*' -type d 2>/dev/null | head -n1; }

start=$(now_ms)
timeout 300 wine "$setup" /S
timeout 120 wineserver -w
echo "# silent install took $(( $(now_ms) - start )) ms"
check "the program is installed in Program Files" test -f "$target/bin/tarq362a.exe"
check "the uninstaller is installed" test -f "$target/Uninstall.exe"
check "the Start menu entry is made" bash -c "find '$drive_c' -path '*Start Menu*' -name 'TARQ362A Gaming Mouse.lnk' | grep -q ."
check "the system lists the program" timeout 60 wine reg query "$uninstall_key" /v DisplayIcon

said=$(cd "$drive_c" && timeout 120 wine "C:\\Program Files\\TARQ362A\\bin\\tarq362a.exe" --demo --quit-after-show 2>&1 | tr -d '\r')
echo "# installed program: $said"
check "the installed program shows its window" grep -q "first window shown after" <<<"$said"
data=$(user_data)
check "its files are in the user's application-data folder" test -n "$data" -a -n "$(ls -A "$data" 2>/dev/null)"
check "nothing is written beside the installed program" test "$(ls -A "$target/bin")" = "tarq362a.exe"

start=$(now_ms)
timeout 300 wine "$target/Uninstall.exe" /S
# The uninstaller runs a copy of itself from the temporary folder: wait for every process.
timeout 120 wineserver -w
for _ in $(seq 1 100); do [ -e "$target" ] || break; sleep 0.2; done
echo "# silent uninstall took $(( $(now_ms) - start )) ms"
check "the install folder is gone" test ! -e "$target"
check "the Start menu entry is gone" test -z "$(shortcuts)"
check "the system no longer lists the program" bash -c "! timeout 60 wine reg query '$uninstall_key' >/dev/null 2>&1"
# What the user made (the macro library, the demo's memory) stays, as with any uninstaller.
check "the user's own files stay" test -n "$(user_data)"
exit $((failures > 0))
