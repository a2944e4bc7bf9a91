#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A deeper check than ./test.sh, for an issue that touches a decoder or a file format:
#   1. the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and run;
#   2. every libFuzzer target (fuzz_*) built with clang, under AddressSanitizer and
#      UndefinedBehaviorSanitizer, and run from its seed corpus in tests/fuzz-corpus/<target>/
#      for SECONDS each.
# Each half names the compiler it builds with.
# New inputs a run finds go to a scratch copy, never into the committed corpus; crashing
# inputs are kept in build-fuzz/findings/.
#
#   scripts/deep-check.sh [SECONDS]      (default 180 per target)
#   DEEP_CHECK_SKIP_SANITIZERS=1 / DEEP_CHECK_SKIP_FUZZ=1 skip one half.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-180}"
JOBS="${DEEP_CHECK_JOBS:-2}"
ASAN_DIR="${ASAN_BUILD_DIR:-build-asan}"
FUZZ_DIR="${FUZZ_BUILD_DIR:-build-fuzz}"
CORPUS_DIR=tests/fuzz-corpus
launcher=()
# The C++ compiler a build folder was configured with, and its version.
say_compiler() {
  local cxx
  cxx=$(grep -m1 '^CMAKE_CXX_COMPILER:' "$1/CMakeCache.txt" | cut -d= -f2)
  echo "   compiler: $cxx ($("$cxx" --version | head -1))"
}
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

if [[ "${DEEP_CHECK_SKIP_SANITIZERS:-0}" != 1 ]]; then
  echo "== suite under AddressSanitizer and UndefinedBehaviorSanitizer ($ASAN_DIR)"
  flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
  cmake -S . -B "$ASAN_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
  say_compiler "$ASAN_DIR"
  nice cmake --build "$ASAN_DIR" -j"$JOBS"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$ASAN_DIR" --output-on-failure -j"$JOBS"
fi

if [[ "${DEEP_CHECK_SKIP_FUZZ:-0}" != 1 ]]; then
  echo "== libFuzzer targets under AddressSanitizer and UndefinedBehaviorSanitizer, $SECONDS_PER_TARGET s each ($FUZZ_DIR)"
  cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_COMPILER=clang -DTARQ_FUZZ=ON "${launcher[@]}" >/dev/null
  say_compiler "$FUZZ_DIR"
  targets=$(cd "$CORPUS_DIR" && ls -d fuzz_* | sort)
  nice cmake --build "$FUZZ_DIR" -j"$JOBS" --target $targets
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  findings="$FUZZ_DIR/findings"   # crashing inputs are kept here
  mkdir -p "$findings"
  failed=0
  for t in $targets; do
    binary=$(find "$FUZZ_DIR" -type f -name "$t" -perm -u+x | head -1)
    if [[ -z "$binary" ]]; then echo "$t: not built"; failed=1; continue; fi
    mkdir -p "$scratch/$t"
    if "$binary" -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 -artifact_prefix="$findings/$t-" \
         "$scratch/$t" "$CORPUS_DIR/$t" >"$scratch/$t.log" 2>&1; then
      runs=$(grep -m1 'stat::number_of_executed_units' "$scratch/$t.log" | awk '{print $2}')
      cov=$(grep -o 'cov: [0-9]*' "$scratch/$t.log" | tail -1)
      echo "$t: ${runs:-?} runs, $cov, no finding"
    else
      echo "$t: FINDING"; tail -40 "$scratch/$t.log"; ls "$findings" | grep "^$t-" || true
      failed=1
    fi
  done
  exit $failed
fi
