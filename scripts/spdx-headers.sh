#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Puts the project's licence line, "SPDX-License-Identifier: GPL-2.0-or-later", at the top of
# every source file the project wrote that lacks it: C++ sources and headers, CMake files, shell
# scripts and the packaging templates. Safe to run again: a file that has the line is left as
# it is. With --check it changes nothing, lists the files that lack the line and fails if any
# does.
#
#   scripts/spdx-headers.sh [--check]
#
# Left alone: the report descriptors under tests/device/data/ (from elsewhere, under their own
# BSD-style licence, see LICENSE), the metainfo template (its metadata licence is stated inside
# it) and the CI entry under .ci/.
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
case "${1-}" in
  --check) check=true ;;
  "") ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

readonly line_text="SPDX-License-Identifier: GPL-2.0-or-later"

# Every file of the tree: git's list where there is one (new files included, ignored ones not),
# otherwise a walk that skips build trees.
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard
  else
    find . \( -path ./.git -o -path './build*' -o -path ./.cache \) -prune -o -type f -print | sed 's|^\./||'
  fi
}

# The comment that carries the line in a file of this name, or nothing for a file that is not
# a source file of the project.
comment_for() {
  case "$1" in
    tests/device/data/* | .ci/* | *.metainfo.xml.in) ;;
    *.cpp | *.h) echo "// $line_text" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | packaging/*.in | run.sh | test.sh) echo "# $line_text" ;;
  esac
}

missing=()
while IFS= read -r file; do
  [ -f "$file" ] || continue   # listed by git but deleted in the work tree
  comment=$(comment_for "$file")
  [ -n "$comment" ] || continue
  # Any licence line counts: a file under another licence keeps its own.
  head -n 3 "$file" | grep -qE '^(//|#) SPDX-License-Identifier: ' && continue
  missing+=("$file")
  $check && continue
  # After a "#!" line, which must stay first; otherwise at the very top.
  if head -n 1 "$file" | grep -q '^#!'; then
    sed -i "1a $comment" "$file"
  else
    sed -i "1i $comment" "$file"
  fi
done < <(list_files | LC_ALL=C sort)

if $check; then
  if ((${#missing[@]})); then
    printf 'no SPDX line: %s\n' "${missing[@]}" >&2
    echo "${#missing[@]} files lack the line; scripts/spdx-headers.sh adds it" >&2
    exit 1
  fi
  echo "every source file carries \"$line_text\""
else
  echo "added the SPDX line to ${#missing[@]} files"
fi
