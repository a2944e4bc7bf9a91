#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Renders every page with the Windows program under Wine and with the Linux program, into
# WINDOWS_BUILD_DIR/render-pages/{windows,linux}, and checks that both made the same pictures
# at the same sizes (look at them side by side for the layout). Called by run-windows-check.sh
# with the prefix set. Usage: render-pages.sh WINDOWS_BUILD_DIR LINUX_PROGRAM
set -uo pipefail
build="$1" linux="$2"
out="$build/render-pages"
rm -rf "$out"
mkdir -p "$out/windows" "$out/linux"
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

[ -x "$linux" ] || { echo "the Linux program $linux was not built"; exit 1; }
QT_QPA_PLATFORM=offscreen GSETTINGS_BACKEND=memory "$linux" --render-pages "$out/linux" >/dev/null \
  || { echo "the Linux program could not render its pages"; exit 1; }
start=$(now_ms)
timeout 300 wine "$build/app/tarq362a.exe" --render-pages "$(winepath -w "$out/windows")" 2>&1 | tr -d '\r' >"$out/windows.log"
rc=${PIPESTATUS[0]}
echo "# the Windows program rendered $(ls "$out/windows" | wc -l) pictures in $(( $(now_ms) - start )) ms (exit $rc)"
[ "$rc" -eq 0 ] || { cat "$out/windows.log"; echo "the Windows program could not render its pages"; exit 1; }

size() { file -b "$1" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'; }
failures=0
for picture in "$out"/linux/*.png; do
  name=$(basename "$picture")
  if [ ! -f "$out/windows/$name" ]; then
    echo "not ok $name: missing from the Windows pictures"; failures=$((failures + 1)); continue
  fi
  if [ "$(size "$picture")" != "$(size "$out/windows/$name")" ]; then
    echo "not ok $name: $(size "$picture") on Linux, $(size "$out/windows/$name") on Windows"; failures=$((failures + 1)); continue
  fi
done
extra=$(comm -13 <(ls "$out/linux") <(ls "$out/windows"))
[ -z "$extra" ] || { echo "not ok pictures only Windows made: $extra"; failures=$((failures + 1)); }
echo "# $(ls "$out/linux" | wc -l) pages compared; pictures in $out"
[ "$failures" -eq 0 ] && echo "ok every page has the same picture size on both systems"
exit $((failures > 0))
