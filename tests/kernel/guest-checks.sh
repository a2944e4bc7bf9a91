#!/bin/bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The kernel check's assertions, run inside the guest (root, the host's root file system
# read-only, /tmp and /run in memory). Each check writes "ok NAME" or "not ok NAME: why" into
# the work folder's results; figures go there as "# ..." lines. The host's run-kernel-check.sh
# prints them.
#
#   guest-checks.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -u
SOURCE=$1
BUILD=$2
WORK=$3
RESULTS=$WORK/results
: > "$RESULTS"
export HOME=/tmp/home PATH=/usr/sbin:/usr/bin:/sbin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
# udevadm settles and triggers here too: the checks run chrooted into the shared root.
export SYSTEMD_IGNORE_CHROOT=1
mkdir -p "$HOME"
PROGRAM=$BUILD/app/tarq362a
VMOUSE=$BUILD/tools/tarq362a-virtual-mouse
BENCH=$BUILD/bench/tarq362a-bench
VID=1209 PID=0001

START_S=$(date +%s.%N)
step() { echo "$*" > "$WORK/step"; echo "guest: $(awk "BEGIN { printf \"%.1f\", $(date +%s.%N) - $START_S }") s: $*" > /dev/console; }
ok() { echo "ok $1" >> "$RESULTS"; }
not_ok() { echo "not ok $1: $2" >> "$RESULTS"; }
note() { echo "# $*" >> "$RESULTS"; }
check() { # check NAME CONDITION-TEXT COMMAND...
  local name=$1 why=$2; shift 2
  if "$@"; then ok "$name"; else not_ok "$name" "$why"; fi
}
now_ms() { local t=${EPOCHREALTIME/./}; echo $(( t / 1000 )); }   # no process started: exact

# Starts a virtual mouse in the background: start_mouse NAME OPTIONS...; its log is /tmp/NAME.log.
declare -A mouse_pid mouse_port
launch_mouse() { # launch_mouse NAME OPTIONS...: starts it without waiting for the attach
  local name=$1; shift
  rm -f "/tmp/$name.port"
  "$VMOUSE" --ready "/tmp/$name.port" "$@" 2> "/tmp/$name.log" &
  mouse_pid[$name]=$!
}
start_mouse() { launch_mouse "$@" && wait_mouse "$1"; }
wait_mouse() { # waits for the kernel to take it
  local name=$1 tries=0
  while [ ! -s "/tmp/$name.port" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "${mouse_pid[$name]}" 2>/dev/null; then
      not_ok "attach $name" "$(cat "/tmp/$name.log")"; return 1
    fi
    sleep 0.1
  done
  mouse_port[$name]=$(cat "/tmp/$name.port")
}
stop_mouse() { # detaches and waits for the process
  local pid=${mouse_pid[$1]:-}
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  unset "mouse_pid[$1]"
}

# The hidraw node of a virtual mouse's interface: node_of NAME INTERFACE (0 pointer, 1 configuration).
# Waits up to 20 s for the kernel to enumerate it and udev to process it.
node_of() {
  local port=${mouse_port[$1]} iface=$2 tries=0 n dev
  while [ $tries -lt 200 ]; do
    for n in /sys/class/hidraw/hidraw*; do
      [ -e "$n" ] || continue
      dev=$(readlink -f "$n/device")
      # vhci's USB 2 bus: the device on port P is <bus>-<P+1>; its interfaces <bus>-<P+1>:1.I.
      case "$dev" in
        */*-$((port + 1)):1.$iface/*)
          if [ -e "/dev/$(basename "$n")" ]; then udevadm settle -t 10; echo "/dev/$(basename "$n")"; return 0; fi ;;
      esac
    done
    tries=$((tries + 1)); sleep 0.1
  done
  return 1
}

step "start udevd with the project's rule"
mkdir -p /run/udev/rules.d
sed -e "s/@TARQ_UDEV_VENDOR@/$VID/" -e "s/@TARQ_UDEV_PRODUCT@/$PID/" -e "s/@TARQ_UDEV_VERSION@/0104/" \
  "$SOURCE/packaging/70-tarq362a.rules.in" > /run/udev/rules.d/70-tarq362a.rules
/lib/systemd/systemd-udevd --daemon 2> /tmp/udevd.log
udevadm settle -t 10

step "discovery: attach three virtual devices"
launch_mouse mouse --serial 0001 --memory /tmp/mouse.bin --port 0
launch_mouse otherversion --version 0105 --serial 0002 --port 1
launch_mouse otherproduct --product 0002 --serial 0003 --port 2
wait_mouse mouse && wait_mouse otherversion && wait_mouse otherproduct
MOUSE_CONFIG=$(node_of mouse 1) && MOUSE_POINTER=$(node_of mouse 0) \
  && OTHER_CONFIG=$(node_of otherversion 1) && OTHERP_CONFIG=$(node_of otherproduct 1) \
  || not_ok "enumeration" "a virtual device's hidraw nodes did not appear: $(ls /sys/class/hidraw) $(dmesg | tail -n 20)"
note "nodes: mouse $MOUSE_CONFIG (pointer $MOUSE_POINTER), other version $OTHER_CONFIG, other product $OTHERP_CONFIG"

step "discovery: tarq362a --list"
list=$("$PROGRAM" --list 2>&1); status=$?
echo "$list" | sed 's/^/#   /' >> "$RESULTS"
check "list finds the mouse's configuration interface" "status $status" \
  grep -q "^$MOUSE_CONFIG  1209:0001  version 1.04  configuration interface  can be opened  chip 0x98" <<< "$list"
check "list names the pointer interface as such" "pointer line missing" \
  grep -q "^$MOUSE_POINTER  1209:0001  version 1.04  other interface (no feature reports)" <<< "$list"
check "list shows the other version and does not take it" "other version line missing" \
  grep -q "^$OTHER_CONFIG  1209:0001  version 1.05  another version" <<< "$list"
check "list leaves out another product" "another product listed" \
  bash -c "! grep -q '1209:0002' <<< \"\$0\"" "$list"
check "list exits 0" "status $status" test "$status" -eq 0


step "udev rule: the uaccess tag"
check "udev tags the mouse's node uaccess" "$(udevadm info --query=property --name="$MOUSE_CONFIG" | grep TAGS)" \
  bash -c "udevadm info --query=property --name='$MOUSE_CONFIG' | grep -q '^TAGS=.*:uaccess:'"
check "udev leaves another version's node untagged" "tagged" \
  bash -c "! udevadm info --query=property --name='$OTHER_CONFIG' | grep -q '^TAGS=.*:uaccess:'"
stop_mouse otherversion
stop_mouse otherproduct

step "permission: a user who may not open the node"
refused=$(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp/nobody "$PROGRAM" --read /tmp/nobody.bin 2>&1); status=$?
note "as nobody: $refused"
check "a refused node exits 4" "status $status" test "$status" -eq 4
check "the refusal names the node and the udev rule" "message: $refused" \
  bash -c "grep -q 'permission denied on $MOUSE_CONFIG' <<< \"\$0\" && grep -q 'udev rule' <<< \"\$0\"" "$refused"

# The protocol: the host runs the same commands against the emulated bus (--demo) and compares
# its memory after each with the snapshots of the virtual mouse's memory kept here.
. "$SOURCE/tests/kernel/change-profile.sh"
snapshot() { cp /tmp/mouse.bin "$WORK/memory-after-$1.bin"; }

step "protocol: --read"
"$PROGRAM" --read "$WORK/read.bin" > /tmp/read.out 2>&1; status=$?
check "--read exits 0 on the real node" "status $status: $(cat /tmp/read.out)" test "$status" -eq 0
check "--read gives the virtual mouse's memory" "differs" cmp -s "$WORK/read.bin" /tmp/mouse.bin
snapshot read

step "protocol: --apply of a changed profile"
cp "$WORK/read.bin" /tmp/profile.bin
change_profile /tmp/profile.bin
"$PROGRAM" --apply /tmp/profile.bin > /tmp/apply.out 2>&1; status=$?
check "--apply exits 0, verified by read-back" "status $status: $(cat /tmp/apply.out)" test "$status" -eq 0
check "the applied button is in the mouse" "profile not in the memory" cmp -s -n 256 /tmp/profile.bin /tmp/mouse.bin
snapshot apply

step "the lock: another program holds the mouse's node"
flock "$MOUSE_CONFIG" sleep 9 &
holder=$!
sleep 0.5
started=$(now_ms)
"$PROGRAM" --apply /tmp/profile.bin > /tmp/locked.out 2>&1; status=$?
note "--apply while another program holds the node: exit $status after $(( $(now_ms) - started )) ms"
check "--apply waits for a held mouse, then exits 7" "status $status: $(cat /tmp/locked.out)" test "$status" -eq 7
wait "$holder"

step "protocol: --reset 2"
"$PROGRAM" --reset 2 > /tmp/reset.out 2>&1; status=$?
check "--reset 2 exits 0" "status $status: $(cat /tmp/reset.out)" test "$status" -eq 0
snapshot reset
stop_mouse mouse

step "speed: the bench through the kernel"
start_mouse bench --memory /tmp/bench.bin
BENCH_NODE=$(node_of bench 1)
"$BENCH" --node "$BENCH_NODE" > /tmp/bench.out 2>&1; status=$?
sed 's/^/#   /' /tmp/bench.out >> "$RESULTS"
check "the bench reads and writes through the node" "status $status" \
  bash -c "[ $status -eq 0 ] && [ \$(grep -c '| ok |' /tmp/bench.out) -eq 2 ]"
stop_mouse bench

# An unplug part-way: the virtual mouse leaves the bus at a chosen report; the command must end
# with exit code 1. Prints the time from the unplug to the command's exit.
unplug_during() { # unplug_during NAME REPORTS COMMAND...
  local name=$1 after=$2; shift 2
  start_mouse "$name" --memory /tmp/unplug.bin --detach-after "$after"
  node_of "$name" 1 > /dev/null
  "$PROGRAM" "$@" > "/tmp/$name.out" 2>&1; status=$?
  local ended
  ended=$(now_ms)
  wait "${mouse_pid[$name]}" 2>/dev/null; unset "mouse_pid[$name]"
  local unplugged
  unplugged=$(sed -n 's/.*unplugged at \([0-9]*\) ms.*/\1/p' "/tmp/$name.log")
  note "unplug during $*: exit $status $((ended - unplugged)) ms after the unplug; $(grep -m1 'feature report failed' "/tmp/$name.out")"
  check "an unplug during $1 ends it with exit 1" "status $status: $(cat "/tmp/$name.out")" test "$status" -eq 1
}
step "unplug during --read"
unplug_during unplugread 300 --read /tmp/unplug-read.bin
step "unplug during --apply"
unplug_during unplugapply 500 --apply /tmp/profile.bin

step "a mouse whose control transfers stop completing"
start_mouse hang --memory /tmp/hang.bin --hang-after 40
node_of hang 1 > /dev/null
"$PROGRAM" --read /tmp/hang-read.bin > /tmp/hang.out 2>&1; status=$?
ended=$(now_ms)
stop_mouse hang
hung_at=$(sed -n 's/.*hangs at \([0-9]*\) ms.*/\1/p' /tmp/hang.log | head -n1)
kernel_ms=$(sed -n 's/.*taken back after \([0-9]*\) ms.*/\1/p' /tmp/hang.log | head -n1)
note "hung control transfer: the kernel blocked it ${kernel_ms:-?} ms; --read exited $status $((ended - ${hung_at:-0})) ms after the hang began; $(grep -m1 'feature report failed' /tmp/hang.out)"
check "a hung mouse ends --read with exit 1" "status $status: $(cat /tmp/hang.out)" test "$status" -eq 1
check "the hung --read ends within one kernel timeout plus 1 s" "$((ended - ${hung_at:-0})) ms (kernel ${kernel_ms:-?} ms)" \
  test -n "$kernel_ms" -a $((ended - ${hung_at:-0})) -le $(( ${kernel_ms:-0} + 1000 ))

step "the window: the main form on the system's bus"
"$BUILD/tests/kernel/kernel_form_check" "$VMOUSE" /tmp/form.bin >> "$RESULTS" 2> /tmp/form.log; status=$?
check "the window's checks ran to their end" "status $status: $(tail -n 5 /tmp/form.log)" test "$status" -le 1

echo done >> "$RESULTS"
step "finished"
