#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package from the suite's own build tree (cpack installs what is already
# built), checks its contents and metadata, runs lintian on it, validates the launcher entry and
# the metainfo, checks the manual page and the bash completion against the program's --help,
# and starts the unpacked program to see that it keeps its files in the per-user data folder.
# Nothing is installed on this machine and udev is not touched.
#
#   check_debian_package.sh BUILD_DIR VENDOR_HEX PRODUCT_HEX VERSION_HEX APP_ID
set -euo pipefail

build=$1 vendor=$2 product=$3 version=$4 app_id=$5
for tool in dpkg-deb cpack; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# These are part of the check itself: scripts/setup.sh installs them, and without them the
# package is not known to be clean.
for tool in lintian help2man man dpkg-parsechangelog; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
done
completion_lib=/usr/share/bash-completion/bash_completion
[ -r "$completion_lib" ] || { echo "FAIL: bash-completion is not installed (scripts/setup.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# ---- build the package ----------------------------------------------------------------
SECONDS=0
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack -G DEB"; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, built in ${SECONDS} s"

# ---- metadata: name, version, computed dependencies, maintainer scripts ------------------
info=$(dpkg-deb -I "$deb")
grep -q '^ Package: tarq362a$' <<<"$info" || fail "package name"
grep -Eq '^ Version: [0-9]+\.[0-9]+' <<<"$info" || fail "package version"
grep -Eq '^ Depends: .*libqt6widgets6' <<<"$info" || fail "dependencies not computed from the shared libraries"
for face in fonts-crosextra-carlito fonts-wqy-microhei; do
  grep -Eq "^ Depends: (.*[ ,])?$face([ ,]|\$)" <<<"$info" || fail "the package does not depend on $face"
done
dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
  [ -x "$work/control/$script" ] || fail "no executable $script"
  grep -q 'command -v udevadm' "$work/control/$script" || fail "$script does not check for udev"
  sh -n "$work/control/$script" || fail "$script is not a valid shell script"
done

# ---- contents ---------------------------------------------------------------------------
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
echo "$contents" | sed 's/^/  /'
expect=(
  ./usr/bin/tarq362a
  ./usr/lib/udev/rules.d/70-tarq362a.rules
  "./usr/share/applications/$app_id.desktop"
  "./usr/share/metainfo/$app_id.metainfo.xml"
  ./usr/share/doc/tarq362a/copyright
  ./usr/share/doc/tarq362a/changelog.gz
  ./usr/share/man/man1/tarq362a.1.gz
  ./usr/share/bash-completion/completions/tarq362a
)
for size in 16 24 32 48 64 128 256; do
  expect+=("./usr/share/icons/hicolor/${size}x${size}/apps/tarq362a.png")
done
for path in "${expect[@]}"; do
  grep -qx -- "$path" <<<"$contents" || fail "missing $path"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
rule="$root/usr/lib/udev/rules.d/70-tarq362a.rules"
grep -q "ATTRS{idVendor}==\"$vendor\", ATTRS{idProduct}==\"$product\", ATTRS{bcdDevice}==\"$version\", TAG+=\"uaccess\"" "$rule" ||
  { cat "$rule"; fail "the udev rule does not carry the configured identity"; }
grep -q "usb:v${vendor^^}p${product^^}d${version^^}\*" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo does not name the mouse's modalias"
for size in 16 24 32 48 64 128 256; do
  grep -q "PNG image data, $size x $size" <<<"$(file "$root/usr/share/icons/hicolor/${size}x${size}/apps/tarq362a.png")" ||
    fail "icon ${size}x${size} is not a PNG of that size"
done

# ---- lintian: no error and no warning --------------------------------------------------
# Run as root it says that it should not be; that line is not a finding.
lintian_status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$work/lintian.txt" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings (above)"
echo "lintian: no errors, no warnings"

# ---- the changelog names the packaged version --------------------------------------------
pkg_version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/tarq362a/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$pkg_version" ] ||
  fail "changelog.gz's newest entry is not version $pkg_version"

# ---- the manual page shows every option and exit code of --help --------------------------
help=$("$root/usr/bin/tarq362a" --help)
# Plain text, one blank between words, no indentation.
manual=$(LC_ALL=C MANWIDTH=200 man -l "$root/usr/share/man/man1/tarq362a.1.gz" 2>/dev/null | col -b |
  sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//')
options=$(grep -oE '^  (-[a-zA-Z], )?--[a-z][a-z-]*' <<<"$help" | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "no options found in --help"
for option in $options; do
  grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$manual" || fail "the manual page lacks $option"
done
codes=0
while read -r code meaning; do
  grep -qxF -- "$code $meaning" <<<"$manual" || fail "the manual page lacks exit code $code ($meaning)"
  codes=$((codes + 1))
done < <(sed -n '/^Exit codes:/,/^$/{/^  [0-9]/p}' <<<"$help")
[ "$codes" -gt 0 ] || fail "no exit codes found in --help"
for section in FILES 'EXIT STATUS'; do
  grep -qx "$section" <<<"$manual" || fail "the manual page has no $section section"
done
grep -qF 70-tarq362a.rules <<<"$manual" || fail "the manual page does not name the udev rule"
echo "manual page: $(wc -l <<<"$manual") lines, $(wc -w <<<"$options") options and $codes exit codes of --help"

# ---- the bash completion offers what --help lists ----------------------------------------
# complete WORDS...: what the completion offers for the last word, one per line, sorted.
complete_words() {
  (cd "$work/profiles" && bash -c '
    source "$1" && source "$2" || exit 1
    shift 2
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _tarq362a tarq362a "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}"' complete "$completion_lib" "$root/usr/share/bash-completion/completions/tarq362a" "$@") |
    sort -u
}
mkdir -p "$work/profiles/saved"
touch "$work/profiles/mouse.bin" "$work/profiles/notes.txt"
[ "$(complete_words tarq362a -)" = "$options" ] ||
  fail "the completion offers $(complete_words tarq362a - | tr '\n' ' ')but --help lists $(tr '\n' ' ' <<<"$options")"
[ "$(complete_words tarq362a --reset '')" = "$(printf '1\n2\n3')" ] || fail "--reset does not complete to 1, 2, 3"
[ "$(complete_words tarq362a --apply '')" = "$(printf 'mouse.bin\nsaved')" ] ||
  fail "--apply completes $(complete_words tarq362a --apply '' | tr '\n' ' ')instead of profile files and folders"
[ "$(complete_words tarq362a --render-pages '')" = "saved" ] || fail "--render-pages does not complete folders"
echo "bash completion: $(wc -w <<<"$options") options, profile files, folders and reset numbers"

# ---- validators (no network) --------------------------------------------------------------
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
echo "desktop-file-validate: passed"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"

# ---- the unpacked program keeps its files in the per-user data folder ------------------
home="$work/home"
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
# A home and a run-time folder of its own: no window of this machine's user is seen or raised.
run() {
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/tarq362a" "$@"
}
run --demo --quit-after-show || fail "the unpacked program did not start"
userdata="$home/.local/share/TARQ362A Gaming Mouse"
[ -d "$userdata" ] || fail "no per-user data folder"
# A command that changes the emulated mouse writes its memory file there, not beside the program.
run --demo --read "$work/profile.bin" || fail "--demo --read from the package"
printf '\x5a' | dd of="$work/profile.bin" bs=1 seek=768 conv=notrunc status=none
run --demo --apply "$work/profile.bin" || fail "--demo --apply from the package"
[ -s "$userdata/Demo_Mouse_Memory.bin" ] || fail "the demo memory file is not in the per-user data folder"
[ "$(ls "$root/usr/bin")" = "tarq362a" ] || fail "files were written beside the installed program: $(ls "$root/usr/bin")"
echo "per-user data folder: $(ls "$userdata")"
echo "PASS"
