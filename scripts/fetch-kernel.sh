#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fetches Debian's own kernel for the kernel check (tests/kernel): the image package that
# linux-image-amd64 depends on, resolved now, downloaded with apt-get and unpacked with
# dpkg-deb into a cache outside the build tree. Nothing is installed. Safe to run again.
# Prints the folder the kernel was unpacked into.
set -euo pipefail

CACHE="${TARQ_KERNEL_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tarq362a-kernel}"
mkdir -p "$CACHE"

image=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '$1 == "Depends:" && $2 ~ /^linux-image-/ { print $2; exit }')
if [ -z "$image" ]; then
  apt-get update -qq
  image=$(apt-cache depends linux-image-amd64 | awk '$1 == "Depends:" && $2 ~ /^linux-image-/ { print $2; exit }')
fi
[ -n "$image" ] || { echo "fetch-kernel: cannot resolve the image package of linux-image-amd64" >&2; exit 1; }

target="$CACHE/$image"
if [ ! -f "$target/.complete" ]; then
  work=$(mktemp -d "$CACHE/download.XXXXXX")
  chmod 777 "$work" # apt-get download writes as its own unprivileged user
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && apt-get download -q "$image" >&2)
  rm -rf "$target.partial"
  mkdir -p "$target.partial"
  dpkg-deb -x "$work"/"$image"_*.deb "$target.partial"
  rm -rf "$target"
  mv "$target.partial" "$target"
  touch "$target/.complete"
fi
# The check takes the newest complete one through this link.
ln -sfn "$image" "$CACHE/current"
echo "$target"
