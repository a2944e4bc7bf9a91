#!/bin/busybox sh
# SPDX-License-Identifier: GPL-2.0-or-later
# /init of the kernel check's guest: loads the modules, mounts this machine's root (read-only)
# and the check's work folder over 9p, and runs the checks inside the shared root.
/bin/busybox --install -s /bin
export PATH=/bin
mkdir -p /proc /sys /dev
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev

for m in $(cat /modules.order); do
  insmod /lib/modules/$m || echo "guest: insmod $m failed"
done

arg() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" /proc/cmdline; }
CHECKS=$(arg tarq.checks)
BUILD=$(arg tarq.build)
SOURCE=$(arg tarq.source)

mkdir -p /work /root
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 work /work || echo "guest: cannot mount the work folder"
echo "mount the host's root" > /work/step
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144,ro,cache=loose hostroot /root || echo "guest: cannot mount the host root"
mount -t proc proc /root/proc
mount -t sysfs sys /root/sys
mount -t devtmpfs dev /root/dev
mkdir -p /root/dev/shm /root/dev/pts
mount -t tmpfs tmpfs /root/dev/shm
mount -t devpts devpts /root/dev/pts
# The guest's /tmp and /run are its own, in memory. A source or build tree that lives under this
# machine's /tmp or /run (a fresh clone, say) would be hidden by them: keep the machine's folders
# reachable and bind the trees back in place.
mkdir -p /host-tmp /host-run
mount --bind /root/tmp /host-tmp
mount --bind /root/run /host-run
mount -t tmpfs -o mode=755 tmpfs /root/run
mount -t tmpfs -o mode=1777 tmpfs /root/tmp
mkdir -p /root/tmp/work
mount --bind /work /root/tmp/work
for tree in "$SOURCE" "$BUILD"; do
  case "$tree" in
    /tmp/*) mkdir -p "/root$tree" && mount --bind "/host-tmp${tree#/tmp}" "/root$tree" ;;
    /run/*) mkdir -p "/root$tree" && mount --bind "/host-run${tree#/run}" "/root$tree" ;;
  esac
done
ip link set lo up

echo "start the checks" > /work/step
chroot /root /bin/bash "$CHECKS" "$SOURCE" "$BUILD" /tmp/work
echo "guest: checks ended ($?)"
sync
reboot -f
