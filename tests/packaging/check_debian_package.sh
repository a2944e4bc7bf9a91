#!/usr/bin/env bash
# Builds the Debian package from the suite's own build tree (cpack installs what is already
# built), checks its contents and metadata, validates the launcher entry and the metainfo, and
# starts the unpacked program to see that it keeps its files in the per-user data folder.
# Nothing is installed on this machine and udev is not touched.
#
#   check_debian_package.sh BUILD_DIR VENDOR_HEX PRODUCT_HEX VERSION_HEX APP_ID
set -euo pipefail

build=$1 vendor=$2 product=$3 version=$4 app_id=$5
for tool in dpkg-deb cpack; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

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
