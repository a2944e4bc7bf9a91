#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds everything (program, tests, benchmark) and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake --build "$BUILD_DIR"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
