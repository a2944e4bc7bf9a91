#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds what the Windows build of the program links: a static Qt for MinGW-w64 from Debian's
# own qt6-base source (the same version as the host's Qt, whose moc, rcc and uic the build uses)
# and GoogleTest from the source libgtest-dev ships. Both go into a cache outside any build
# tree, one folder per version, reused when complete. Safe to run again; prints the cache folder.
#
# The source comes through apt-get with a private source list and index folder, so the
# machine's own apt configuration is never changed; the mirror is the one the machine uses.
# Runs at low priority on two jobs (the machine is shared). Exits non-zero with a message when
# the source cannot be fetched or the build fails.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
toolchain="$here/../cmake/MinGW-w64.cmake"
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || {
  echo "build-windows-qt: qt6-base-dev is not installed (run scripts/setup.sh)" >&2; exit 1; }
upstream=${version%%+*}     # 6.4.2+dfsg-10 -> 6.4.2
upstream=${upstream#*:}
gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || dpkg-query -W -f='${Version}' libgtest-dev)

CACHE="${TARQ_QT_MINGW_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tarq362a-qt-mingw}"
# The recipe: raise it when the configure options below change, so every cache builds anew.
recipe=1
# The key names everything the result depends on, so a change of any of them builds anew.
key="qt-$version-gtest-$gtest_version-r$recipe"
prefix="$CACHE/$key"
ready() {
  [ -f "$prefix/.complete" ] || return 1
  ln -sfn "$key" "$CACHE/current"
  echo "$prefix"
}
ready && exit 0
mkdir -p "$CACHE"
# One build at a time per cache (several build trees may ask at once); a later caller waits
# for the first and takes its result.
exec 9>"$CACHE/$key.lock"
flock -w 3600 9 || { echo "build-windows-qt: another build of $key held the cache for an hour" >&2; exit 1; }
ready && exit 0
log="$CACHE/$key.log"
echo "build-windows-qt: building a static Qt $upstream for MinGW into $prefix (log: $log)" >&2
exec 3>&2 4>&1
exec >"$log" 2>&1
fail() { echo "build-windows-qt: $1 (see $log)" >&3; rm -rf "$prefix"; exit 1; }

JOBS="${TARQ_QT_JOBS:-2}"
work="$CACHE/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

# --- the source: a private deb-src list for the mirror this machine installs from ----------
mirror=$(grep -rhoE '^(URIs:|deb)[[:space:]]+[^[:space:]]+' /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null \
  | awk '{print $2}' | grep -E '/debian/?$' | head -n1 || true)
mirror=${mirror:-http://deb.debian.org/debian}
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
apt_dir="$CACHE/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename main" > "$apt_dir/sources.list"
chmod -R a+rwX "$apt_dir" "$work" # apt downloads as its own unprivileged user
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
          -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache::Archives=$apt_dir/archives"
          -o "Acquire::Retries=2" -o "Acquire::http::Timeout=30")
timeout 300 apt-get "${apt_opts[@]}" update || fail "cannot fetch the source index from $mirror (no network?)"
(cd "$work" && timeout 1200 apt-get "${apt_opts[@]}" source "qt6-base=$version") \
  || fail "cannot fetch the source of qt6-base $version from $mirror"
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$src" ] || fail "apt-get source left no qt6-base folder"

# --- static Qt for MinGW: Core, Gui, Widgets, Network, Test, the Windows and offscreen plugins
start=$SECONDS
nice -n 10 cmake -S "$src" -B "$work/qt-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=OFF \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_opengl=ON \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF \
  -DFEATURE_sql_sqlite=OFF -DFEATURE_openssl=OFF \
  || fail "configuring Qt failed"
nice -n 10 cmake --build "$work/qt-build" -j "$JOBS" || fail "building Qt failed"
cmake --install "$work/qt-build" || fail "installing Qt failed"
echo "Qt built in $((SECONDS - start)) s"

# --- GoogleTest for MinGW, from the source Debian ships -----------------------------------
start=$SECONDS
nice -n 10 cmake -S /usr/src/googletest -B "$work/gtest-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF \
  || fail "configuring GoogleTest failed"
nice -n 10 cmake --build "$work/gtest-build" -j "$JOBS" || fail "building GoogleTest failed"
cmake --install "$work/gtest-build" || fail "installing GoogleTest failed"
echo "GoogleTest built in $((SECONDS - start)) s"

touch "$prefix/.complete"
ln -sfn "$key" "$CACHE/current"
echo "build-windows-qt: done in $SECONDS s" >&3
echo "$prefix" >&4
