#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Packs the application icon's PNG sizes into one Windows icon file (an ICO whose entries hold
# the PNG pictures as they are, as Windows Vista and later read them).
# Usage: make-icon.sh OUTPUT.ico PICTURE.png...   (square pictures of 1 to 256 pixels)
set -euo pipefail
out="$1"
shift
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }
# The width of a PNG: bytes 16-19 of the file, big-endian.
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
tmp="$out.partial"
{
  le16 0; le16 1; le16 $#
  offset=$((6 + 16 * $#))
  for png in "$@"; do
    width=$(png_width "$png")
    [ "$width" -ge 1 ] && [ "$width" -le 256 ] || { echo "make-icon: $png is $width pixels wide" >&2; exit 1; }
    size=$(stat -c %s "$png")
    side=$((width == 256 ? 0 : width))
    printf "\\x$(printf %02x $side)\\x$(printf %02x $side)\\x00\\x00"
    le16 1; le16 32; le32 "$size"; le32 "$offset"
    offset=$((offset + size))
  done
  cat "$@"
} > "$tmp"
mv "$tmp" "$out"
