#!/usr/bin/env bash
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
DEADLINE_S=${TARQ_KERNEL_DEADLINE_S:-160}
CACHE="${TARQ_KERNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarq362a-kernel}"
KERNEL_DIR="$CACHE/current"

fail() { echo "kernel check: $*" >&2; exit 1; }

vmlinuz=$(ls "$KERNEL_DIR"/boot/vmlinuz-* 2>/dev/null | head -n1)
[ -n "$vmlinuz" ] || fail "no kernel in $KERNEL_DIR: run scripts/setup.sh (it fetches Debian's kernel image)"
modules=$(ls -d "$KERNEL_DIR"/lib/modules/* 2>/dev/null | head -n1)
[ -d "$modules" ] || fail "the kernel in $KERNEL_DIR has no modules"
for tool in qemu-system-x86_64 cpio; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done
[ -x /bin/busybox ] && /bin/busybox --list | grep -qx insmod || fail "busybox-static is missing: run scripts/setup.sh"
[ -x /lib/systemd/systemd-udevd ] || fail "udev is missing: run scripts/setup.sh"
for program in app/tarq362a tools/tarq362a-virtual-mouse bench/tarq362a-bench; do
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

[ -f "$WORK/guest/results" ] && cat "$WORK/guest/results"
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
