#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# One check of the Windows build under Wine, in the run's prefix:
#   tables     the core GoogleTest tables (no display)
#   forms      the form walkthrough on the Windows platform plugin, on a private Xvfb
#   instance   the single-instance check of the real program, on a private Xvfb
#   render     --render-pages of the Windows program against the Linux program's pictures
#              (same pages, same sizes); the pictures stay in WINDOWS_BUILD_DIR/render-pages
#   installer  makes the installer, installs it silently, starts the installed program,
#              uninstalls it and checks what is left
# Usage: run-windows-check.sh CHECK SOURCE_DIR WINDOWS_BUILD_DIR RUN_FILE [LINUX_PROGRAM]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-common.sh"
check="$1" src="$2" build="$3"
load_prefix "$4"
trap stop_wine_and_xvfb EXIT
[ -f "$build/app/tarq362a.exe" ] || { echo "the Windows build is missing ($build): windows_build failed"; exit 1; }

win_path() { winepath -w "$1" 2>/dev/null; }
start=$(now_ms)
case "$check" in
tables)
  unset DISPLAY
  ctest --test-dir "$build" -L windows_tables --output-on-failure
  rc=$?
  ;;
forms)
  start_xvfb
  rm -f "$build/tests/windows/form_walkthrough_test.txt"
  ctest --test-dir "$build" -L windows_forms --output-on-failure
  rc=$?
  grep -v '^QWARN\|^QCRITICAL.*EnableNonClientDpiScaling' "$build/tests/windows/form_walkthrough_test.txt" 2>/dev/null | tr -d '\r'
  ;;
instance)
  start_xvfb
  "$src/cmake/wine-run.sh" "$build/tests/windows/windows_instance_check.exe" "$(win_path "$build/app/tarq362a.exe")" 2>&1 | tr -d '\r'
  rc=${PIPESTATUS[0]}
  ;;
render)
  # The screen of Qt's offscreen platform, which the Linux pictures are drawn on: a message box
  # takes its width from the screen.
  start_xvfb 800x600
  "$here/render-pages.sh" "$build" "${5:?the Linux program}"
  rc=$?
  ;;
installer)
  start_xvfb
  "$here/installer-check.sh" "$build"
  rc=$?
  ;;
*)
  echo "unknown check $check" >&2
  exit 2
  ;;
esac
echo "$check under Wine took $(( ($(now_ms) - start) / 1000 )) s"
exit "$rc"
