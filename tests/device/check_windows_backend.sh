#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Compiles the Windows backend with the MinGW cross compiler (syntax and types only), so the
# code that cannot run here still builds. Exit 77 (skipped) when the cross compiler is missing.
set -euo pipefail
src="$1"
cxx=$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++ || true)
[ -n "$cxx" ] || { echo "MinGW cross compiler not installed"; exit 77; }
for f in device/win/WinSetupApi.cpp device/win/WinHidBus.cpp device/win/WinDriverBus.cpp device/PlatformBuses.cpp \
         settings/win/WinPointerSettingsStore.cpp settings/SystemPointerSettings.cpp \
         macros/win/WinInputCapture.cpp; do
  "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$src" \
    -DTARQ_MOUSE_VENDOR_ID=0x1209 -DTARQ_MOUSE_PRODUCT_ID=0x0001 -DTARQ_MOUSE_VERSION=0x0104 "$src/$f"
  echo "compiled $f"
done
