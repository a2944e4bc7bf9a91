#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Windows program, its test programs and its installer from this source tree:
# first the static Qt and GoogleTest for MinGW (scripts/build-windows-qt.sh, cached outside
# the build tree, so only the first run on a machine pays for it), then the project with that
# Qt's toolchain file. The programs the build runs (the language and image writers) run under
# Wine in the run's prefix. Usage: build-windows.sh SOURCE_DIR WINDOWS_BUILD_DIR RUN_FILE
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-common.sh"
src="$1" build="$2"
load_prefix "$3"
trap stop_wine_and_xvfb EXIT
unset DISPLAY

start=$(now_ms)
qt=$("$src/scripts/build-windows-qt.sh") || {
  echo "The static Qt for Windows could not be built or fetched (the message above says why);"
  echo "the Windows checks need it. Run scripts/build-windows-qt.sh once the machine is online."
  exit 1
}
echo "Qt for Windows ready in $qt after $(( ($(now_ms) - start) / 1000 )) s"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
start=$(now_ms)
# A tree configured against another Qt (an older cache entry) starts afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qF "$qt/lib/cmake/Qt6/qt.toolchain.cmake" "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$src/cmake/MinGW-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null || { echo "configuring the Windows build failed"; exit 1; }
nice -n 10 cmake --build "$build" -j "${TARQ_WINDOWS_JOBS:-2}" || { echo "building the Windows program failed"; exit 1; }
echo "Windows program and test programs built in $(( ($(now_ms) - start) / 1000 )) s"
ls -l "$build/app/tarq362a.exe"
