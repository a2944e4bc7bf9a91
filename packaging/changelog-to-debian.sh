#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes CHANGELOG.md as a Debian changelog, the form the package's changelog.gz takes.
#
#   changelog-to-debian.sh CHANGELOG.md PACKAGE "NAME <ADDRESS>" OUTPUT
#
# Each "## VERSION (YYYY-MM-DD)" heading opens an entry; each "- " item, with the indented
# lines that continue it, becomes a "  * " item wrapped at 78 columns; backquotes are dropped.
# Text before the first heading is the file's own introduction and is left out.
set -eu

changelog=$1 package=$2 maintainer=$3 output=$4
[ -r "$changelog" ] || { echo "changelog-to-debian: cannot read $changelog" >&2; exit 1; }

# The dates of the headings in the form the trailer lines need, one per heading, in order.
dates=$(sed -n 's/^## [^ ]* (\([0-9-]*\)).*/\1/p' "$changelog" | while read -r day; do
    LC_ALL=C date -u -R -d "$day 12:00" || exit 1
done)

LC_ALL=C awk -v package="$package" -v maintainer="$maintainer" -v dates="$dates" '
function flush_item() {
    if (item == "") return
    gsub(/`/, "", item)
    n = split(item, words, " ")
    line = "  *"
    for (i = 1; i <= n; i++) {
        if (length(line) + 1 + length(words[i]) > 78) { print line; line = "   " }
        line = line " " words[i]
    }
    print line
    item = ""
}
function close_entry() {
    flush_item()
    if (entries > 0) { print ""; print " -- " maintainer "  " trailer[entries]; print "" }
}
BEGIN { split(dates, trailer, "\n"); entries = 0; item = "" }
/^## / {
    close_entry()
    version = $2
    if (version !~ /^[0-9][0-9A-Za-z.+~-]*$/ || $3 !~ /^\([0-9]+-[0-9]+-[0-9]+\)$/) {
        print "changelog-to-debian: heading not \"## VERSION (YYYY-MM-DD)\": " $0 > "/dev/stderr"; exit 1
    }
    entries++
    print package " (" version ") unstable; urgency=medium"
    print ""
    next
}
entries == 0 { next }
/^- / { flush_item(); item = substr($0, 3); next }
/^[ \t]+[^ \t]/ && item != "" { sub(/^[ \t]+/, ""); item = item " " $0; next }
/^[ \t]*$/ { flush_item(); next }
{ flush_item(); item = $0 }
END {
    if (entries == 0) { print "changelog-to-debian: no \"## VERSION (DATE)\" entry" > "/dev/stderr"; exit 1 }
    close_entry()
}' "$changelog" >"$output.new"
mv "$output.new" "$output"
