# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the kernel check on both sides (the guest and the emulated bus): the change of
# profile that --apply writes, a valid profile so that it passes the program's profile check.

# change_profile FILE: gives button 3 of the office mode another function (its code at 0x47) and
# sets the profile section's checksum (0x76: the byte sum of 0x40..0x75 modulo 256, XOR 0x5A).
change_profile() {
  local file=$1 old sum=0 b
  old=$(od -An -tu1 -j $((0x47)) -N1 "$file" | tr -d ' ')
  printf "$(printf '\\%03o' $(( old ^ 3 )))" | dd of="$file" bs=1 seek=$((0x47)) conv=notrunc status=none
  for b in $(od -An -tu1 -v -j $((0x40)) -N 54 "$file"); do sum=$(( (sum + b) & 255 )); done
  printf "$(printf '\\%03o' $(( sum ^ 0x5A )))" | dd of="$file" bs=1 seek=$((0x76)) conv=notrunc status=none
}
