#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The Wine prefix of one run of the Windows checks, in a temporary folder.
#   wine-prefix.sh create RUN_FILE   makes the prefix; RUN_FILE then names it for the checks
#   wine-prefix.sh remove RUN_FILE   stops its wineserver and deletes it
# In the prefix "Calibri", the face the English texts ask for, is replaced by its metric twin
# Carlito (fonts-crosextra-carlito), so the captions take the room they take on Windows; the
# dialog face by DejaVu Sans, the face the Linux build draws those controls in.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-common.sh"
run_file="$2"

case "$1" in
create)
  command -v wine >/dev/null || { echo "Wine is not installed (scripts/setup.sh installs it)"; exit 1; }
  if [ -f "$run_file" ]; then "$0" remove "$run_file"; fi
  folder=$(mktemp -d "${TMPDIR:-/tmp}/tarq362a-wine.XXXXXX")
  export WINEPREFIX="$folder/prefix"
  unset DISPLAY
  start=$(now_ms)
  timeout 300 wineboot --init >/dev/null 2>&1
  timeout 60 wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot could not create the prefix $WINEPREFIX"; rm -rf "$folder"; exit 1; }
  # Windows' own dialog face (the face of every control that names none) stands for a sans
  # face there; Debian's Wine finds none under that name, and Qt would take a serif one.
  for replacement in "Calibri=Carlito" "MS Shell Dlg=DejaVu Sans" "MS Shell Dlg 2=DejaVu Sans"; do
    timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" /t REG_SZ \
      /d "${replacement#*=}" /f >/dev/null 2>&1 || { echo "could not set the font replacement $replacement"; exit 1; }
  done
  timeout 60 wineserver -w
  grep -q '"Calibri"="Carlito"' "$WINEPREFIX/user.reg" || { echo "the font replacement is not in the prefix's registry"; exit 1; }
  fc-list : family | grep -i carlito >/dev/null || echo "warning: Carlito is not installed; Calibri falls back to another face"
  printf 'WINEPREFIX=%q\nTARQ_WINE_RUN_FOLDER=%q\n' "$WINEPREFIX" "$folder" > "$run_file"
  echo "prefix $WINEPREFIX made in $(( $(now_ms) - start )) ms; Calibri -> Carlito, MS Shell Dlg -> DejaVu Sans"
  ;;
remove)
  [ -f "$run_file" ] || exit 0
  . "$run_file"
  export WINEPREFIX
  stop_wine_and_xvfb
  case "${TARQ_WINE_RUN_FOLDER:-}" in
  */tarq362a-wine.*) rm -rf "$TARQ_WINE_RUN_FOLDER" ;;
  esac
  rm -f "$run_file"
  echo "prefix removed"
  ;;
*)
  echo "usage: wine-prefix.sh create|remove RUN_FILE" >&2
  exit 2
  ;;
esac
