#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the program and starts it. Pass --demo to start with the emulated mouse.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake --build "$BUILD_DIR" --target tarq362a
exec "$BUILD_DIR/app/tarq362a" "$@"
