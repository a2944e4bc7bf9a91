#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a Windows program of the MinGW build under Wine, quietly (the build's generators and
# the Windows tree's tests, as CMAKE_CROSSCOMPILING_EMULATOR). The prefix is $WINEPREFIX when
# set (the test run makes one), Wine's default otherwise; no Mono or Gecko installer prompts.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"
command -v wine >/dev/null || { echo "wine-run: Wine is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
exec wine "$@"
