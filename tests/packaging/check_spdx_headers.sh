#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The licence line: scripts/spdx-headers.sh puts it where it belongs in a scratch tree and
# changes nothing on a second run; then every source file of the project carries it.
#
#   check_spdx_headers.sh SOURCE_DIR
set -euo pipefail

source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
line="SPDX-License-Identifier: GPL-2.0-or-later"

# ---- a scratch tree (no git): placement, files left alone, a second run ------------------
mkdir -p "$work/tree/scripts" "$work/tree/src" "$work/tree/tests/device/data" "$work/tree/packaging"
cp "$source_dir/scripts/spdx-headers.sh" "$work/tree/scripts/"
printf '#pragma once\nint f();\n' >"$work/tree/src/a.h"
printf '#!/bin/sh\necho hi\n' >"$work/tree/src/b.sh"
printf 'add_library(x)\n' >"$work/tree/src/CMakeLists.txt"
printf '// %s\nint g();\n' "$line" >"$work/tree/src/done.cpp"
printf '// SPDX-License-Identifier: MIT\nint h();\n' >"$work/tree/src/other-licence.cpp"
printf 'report descriptor notes\n' >"$work/tree/tests/device/data/notes.h"
printf '<?xml version="1.0"?>\n<component/>\n' >"$work/tree/packaging/x.metainfo.xml.in"
printf 'Some text\n' >"$work/tree/README.md"
(cd "$work/tree" && cp -r . "$work/before")

"$work/tree/scripts/spdx-headers.sh" >/dev/null
"$work/tree/scripts/spdx-headers.sh" --check >/dev/null || fail "--check still finds files without the line after a run"
expect() {   # expect FILE FIRST-LINE SECOND-LINE
  [ "$(sed -n 1p "$work/tree/$1")" = "$2" ] && [ "$(sed -n 2p "$work/tree/$1")" = "$3" ] ||
    fail "$1 starts with: $(head -n 2 "$work/tree/$1" | tr '\n' '|')"
}
expect src/a.h "// $line" "#pragma once"
expect src/b.sh "#!/bin/sh" "# $line"
expect src/CMakeLists.txt "# $line" "add_library(x)"
expect src/done.cpp "// $line" "int g();"
for kept in tests/device/data/notes.h packaging/x.metainfo.xml.in README.md src/other-licence.cpp; do
  cmp -s "$work/before/$kept" "$work/tree/$kept" || fail "$kept was changed"
done
cp -r "$work/tree" "$work/once"
"$work/tree/scripts/spdx-headers.sh" >/dev/null
diff -r "$work/once" "$work/tree" >/dev/null || fail "a second run changed files"
echo "scratch tree: lines placed, foreign files kept, second run changes nothing"

# ---- the project's own files -------------------------------------------------------------
"$source_dir/scripts/spdx-headers.sh" --check
