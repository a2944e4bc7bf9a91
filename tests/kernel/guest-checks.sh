#!/bin/bash
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
mkdir -p "$HOME"
PROGRAM=$BUILD/app/tarq362a
VMOUSE=$BUILD/tools/tarq362a-virtual-mouse
BENCH=$BUILD/bench/tarq362a-bench
VID=1209 PID=0001

step() { echo "$*" > "$WORK/step"; echo "guest: $*" > /dev/console; }
ok() { echo "ok $1" >> "$RESULTS"; }
not_ok() { echo "not ok $1: $2" >> "$RESULTS"; }
note() { echo "# $*" >> "$RESULTS"; }
check() { # check NAME CONDITION-TEXT COMMAND...
  local name=$1 why=$2; shift 2
  if "$@"; then ok "$name"; else not_ok "$name" "$why"; fi
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Starts a virtual mouse in the background: start_mouse NAME OPTIONS...; its log is /tmp/NAME.log.
declare -A mouse_pid mouse_port
start_mouse() {
  local name=$1; shift
  rm -f "/tmp/$name.port"
  "$VMOUSE" --ready "/tmp/$name.port" "$@" 2> "/tmp/$name.log" &
  mouse_pid[$name]=$!
  local tries=0
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
start_mouse mouse --serial 0001 --memory /tmp/mouse.bin
start_mouse otherversion --version 0105 --serial 0002
start_mouse otherproduct --product 0002 --serial 0003
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

echo done >> "$RESULTS"
step "finished"
