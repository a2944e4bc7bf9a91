#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The kernel check: boots Debian's kernel under qemu (TCG, no KVM needed) with this machine's
# root file system shared read-only, plugs virtual TARQ362A mice into the guest kernel over
# USB/IP and runs the program against their real hidraw nodes (guest-checks.sh).
#
#   run-kernel-check.sh SOURCE_DIR BUILD_DIR
#
# Fails (never skips) when the kernel, qemu or busybox is missing: scripts/setup.sh brings them.
# A guest that hangs is stopped at the deadline, naming the step it hung in.
set -uo pipefail

SOURCE_DIR=$(cd "$1" && pwd)
BUILD_DIR=$(cd "$2" && pwd)
# On a machine of its own the guest needs well under this; qemu's emulated CPU slows down in
# step with other work, so a machine busy with more than it has cores gets proportionally more
# time (at most 400 s). A hung guest is stopped either way.
DEADLINE_S=${TARQ_KERNEL_DEADLINE_S:-170}
if [ -z "${TARQ_KERNEL_DEADLINE_S:-}" ]; then
  load=$(cut -d' ' -f1 /proc/loadavg) cores=$(nproc)
  DEADLINE_S=$(awk -v d="$DEADLINE_S" -v l="$load" -v c="$cores" 'BEGIN { f = l / c; if (f < 1) f = 1; t = int(d * f); print (t > 400 ? 400 : t) }')
fi
CACHE="${TARQ_KERNEL_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tarq362a-kernel}"
KERNEL_DIR="$CACHE/current"

fail() { echo "kernel check: $*" >&2; exit 1; }

vmlinuz=$(ls "$KERNEL_DIR"/boot/vmlinuz-* 2>/dev/null | head -n1)
[ -n "$vmlinuz" ] || fail "no kernel in $KERNEL_DIR: run scripts/setup.sh (it fetches Debian's kernel image)"
modules=$(ls -d "$KERNEL_DIR"/lib/modules/* 2>/dev/null | head -n1)
[ -d "$modules" ] || fail "the kernel in $KERNEL_DIR has no modules"
for tool in qemu-system-x86_64 cpio; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done
[ -x /bin/busybox ] && grep -qx insmod <<< "$(/bin/busybox --list)" || fail "busybox-static is missing: run scripts/setup.sh"
[ -x /lib/systemd/systemd-udevd ] || fail "udev is missing: run scripts/setup.sh"
for program in app/tarq362a tools/tarq362a-virtual-mouse bench/tarq362a-bench tests/kernel/kernel_form_check; do
  [ -x "$BUILD_DIR/$program" ] || fail "$BUILD_DIR/$program is not built"
done

WORK=$(mktemp -d /tmp/tarq-kernel-check.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/initramfs/bin" "$WORK/initramfs/lib/modules" "$WORK/guest"

# The modules the check needs, each after the modules its depends= field names.
declare -A path_of loaded
while IFS= read -r ko; do
  name=$(basename "$ko" .ko); path_of[${name//-/_}]=$ko
done < <(find "$modules/kernel" -name '*.ko')
order=()
add_module() {
  local name=${1//-/_} deps dep
  [ -n "${loaded[$name]:-}" ] && return 0
  [ -n "${path_of[$name]:-}" ] || fail "module $name is not in $modules"
  loaded[$name]=1
  deps=$(tr '\0' '\n' < "${path_of[$name]}" | sed -n 's/^depends=//p' | head -n1)
  for dep in ${deps//,/ }; do add_module "$dep"; done
  order+=("$name")
}
for m in virtio_pci 9pnet_virtio 9p vhci_hcd usbhid hid_generic; do add_module "$m"; done
for name in "${order[@]}"; do
  cp "${path_of[$name]}" "$WORK/initramfs/lib/modules/$name.ko"
  echo "$name.ko" >> "$WORK/initramfs/modules.order"
done
cp /bin/busybox "$WORK/initramfs/bin/busybox"
cp "$SOURCE_DIR/tests/kernel/guest-init.sh" "$WORK/initramfs/init"
chmod +x "$WORK/initramfs/init"
(cd "$WORK/initramfs" && find . | cpio -o -H newc --quiet > "$WORK/initrd.cpio") || fail "cannot build the initramfs"

# The same commands against the emulated bus, here and meanwhile: the program copied into a
# folder of its own, so that the demo's memory file lives there.
mkdir -p "$WORK/demo/app" "$WORK/demo/home"
cp "$BUILD_DIR/app/tarq362a" "$WORK/demo/app/"
run_demo() {
  local program="$WORK/demo/app/tarq362a" memory="$WORK/demo/app/Demo_Mouse_Memory.bin"
  export HOME="$WORK/demo/home" QT_QPA_PLATFORM=offscreen
  "$program" --demo --read "$WORK/demo/read.bin" || return
  cp "$WORK/demo/read.bin" "$WORK/demo/profile.bin"
  # the same change as the guest makes
  . "$SOURCE_DIR/tests/kernel/change-profile.sh"
  change_profile "$WORK/demo/profile.bin"
  "$program" --demo --apply "$WORK/demo/profile.bin" && cp "$memory" "$WORK/demo/memory-after-apply.bin" || return
  "$program" --demo --reset 2 && cp "$memory" "$WORK/demo/memory-after-reset.bin"
}
nice -n 5 bash -c "$(declare -f run_demo); WORK='$WORK'; SOURCE_DIR='$SOURCE_DIR'; run_demo" > "$WORK/demo.log" 2>&1 &
demo_pid=$!

kernel_version=$(basename "$modules")
echo "kernel check: booting Debian's kernel $kernel_version under qemu (TCG), deadline ${DEADLINE_S} s"
start=$(date +%s)
nice -n 5 timeout -s KILL "$DEADLINE_S" qemu-system-x86_64 \
  -accel tcg -m 1024 -smp 1 -nographic -no-reboot -nic none \
  -kernel "$vmlinuz" -initrd "$WORK/initrd.cpio" \
  -append "console=ttyS0 quiet loglevel=4 panic=-1 tarq.checks=$SOURCE_DIR/tests/kernel/guest-checks.sh tarq.build=$BUILD_DIR tarq.source=$SOURCE_DIR" \
  -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
  -virtfs local,path="$WORK/guest",mount_tag=work,security_model=none,multidevs=remap \
  > "$WORK/console.log" 2>&1
status=$?
elapsed=$(( $(date +%s) - start ))

wait "$demo_pid" || echo "not ok the emulated bus ran the same commands: $(cat "$WORK/demo.log")" >> "$WORK/guest/results"
# Byte for byte: what the kernel's mouse holds after each command against the emulated bus's.
compare() { # compare NAME GUEST-FILE DEMO-FILE
  if cmp -s "$2" "$3"; then echo "ok $1"; else echo "not ok $1: $(cmp "$2" "$3" 2>&1 | head -n1)"; fi
}
if [ -f "$WORK/guest/results" ]; then
  {
    compare "--read gives what the emulated bus gives" "$WORK/guest/read.bin" "$WORK/demo/read.bin"
    compare "the memory after --apply equals the emulated bus's" "$WORK/guest/memory-after-apply.bin" "$WORK/demo/memory-after-apply.bin"
    compare "the memory after --reset 2 equals the emulated bus's" "$WORK/guest/memory-after-reset.bin" "$WORK/demo/memory-after-reset.bin"
  } > "$WORK/compared"
  cat "$WORK/guest/results"
  cat "$WORK/compared"
  cat "$WORK/compared" >> "$WORK/guest/results"
fi
if ! grep -qx "done" "$WORK/guest/results" 2>/dev/null; then
  step=$(cat "$WORK/guest/step" 2>/dev/null || echo "booting the kernel")
  echo "--- guest console (last lines) ---"
  tail -n 60 "$WORK/console.log"
  if [ "$status" -eq 137 ]; then
    fail "the guest hung: stopped after ${DEADLINE_S} s in step: $step"
  fi
  fail "the guest ended (qemu status $status) before the checks finished, in step: $step"
fi
echo "kernel check: guest ran ${elapsed} s (kernel $kernel_version)"
if grep -q '^not ok' "$WORK/guest/results"; then
  echo "--- guest console (last lines) ---"
  tail -n 40 "$WORK/console.log"
  fail "$(grep -c '^not ok' "$WORK/guest/results") check(s) failed"
fi
echo "kernel check: $(grep -c '^ok' "$WORK/guest/results") checks passed"
