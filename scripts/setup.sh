#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian packages the build and the tests need (only the missing ones),
# then configures the build tree. Shared by run.sh and test.sh; safe to run again.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  libgtest-dev libgmock-dev
  libudev-dev
  qemu-system-x86 busybox-static cpio udev
  libx11-dev libxi-dev libxtst-dev
  xvfb xauth
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine nsis
  libglib2.0-dev gsettings-desktop-schemas
  fonts-dejavu-core fonts-wqy-microhei fonts-crosextra-carlito
  dpkg-dev file desktop-file-utils appstream lintian help2man man-db bash-completion
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Debian's kernel for the kernel check (tests/kernel), unpacked into a cache, not installed.
"$(dirname "$0")/fetch-kernel.sh" > /dev/null || echo "setup: could not fetch the kernel; the kernel check will fail until it is fetched" >&2

BUILD_DIR="${BUILD_DIR:-build}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
fi
