#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the bash completion of the program from its own --help, so that the completion offers
# exactly the options the program lists.
#
#   make-bash-completion.sh PROGRAM OUTPUT
#
# An option line of --help starts with two spaces and the option ("  -h, --help", "  --read
# FILE"). The word in capitals after an option names its value: FILE completes profile files
# (*.bin) and folders, DIR folders, and a value whose description lists its choices in
# parentheses ("(1, 2 or 3)") completes those choices.
set -eu

program=$1 output=$2
help=$("$program" --help)
name=$(basename "$program")

printf '%s\n' "$help" | LC_ALL=C awk -v name="$name" '
/^  -/ {
    line = substr($0, 3)
    # The option names, up to the value word or the description.
    n = split(line, parts, /  +/)
    head = parts[1]
    value = ""
    if (match(head, / [A-Z][A-Z]*$/)) {
        value = substr(head, RSTART + 1)
        head = substr(head, 1, RSTART - 1)
    }
    count = split(head, names, /, */)
    for (i = 1; i <= count; i++) {
        if (!(names[i] in seen)) { seen[names[i]] = 1; all = all (all == "" ? "" : " ") names[i] }
        if (value == "FILE") files = files (files == "" ? "" : "|") names[i]
        else if (value == "DIR") dirs = dirs (dirs == "" ? "" : "|") names[i]
        else if (value != "" && match(line, /\(([0-9A-Za-z]+, )*[0-9A-Za-z]+ or [0-9A-Za-z]+\)/)) {
            choice = substr(line, RSTART + 1, RLENGTH - 2)
            gsub(/,/, " ", choice)
            gsub(/ or /, " ", choice)
            gsub(/  +/, " ", choice)
            choices[names[i]] = choice
        }
    }
}
END {
    if (all == "") { print "make-bash-completion: no options in --help" > "/dev/stderr"; exit 1 }
    print "# bash completion for " name ": its options, profile files and folders."
    print "# Generated from `" name " --help` when the program is built; do not edit."
    print ""
    print "_" name "()"
    print "{"
    print "    local cur prev words cword"
    print "    _init_completion || return"
    print ""
    print "    case $prev in"
    if (files != "") print "        " files ")\n            _filedir bin\n            return\n            ;;"
    if (dirs != "") print "        " dirs ")\n            _filedir -d\n            return\n            ;;"
    for (option in choices) {
        sub(/^ +/, "", choices[option]); sub(/ +$/, "", choices[option])
        print "        " option ")\n            COMPREPLY=($(compgen -W \x27" choices[option] "\x27 -- \"$cur\"))\n            return\n            ;;"
    }
    print "    esac"
    print ""
    print "    COMPREPLY=($(compgen -W \x27" all "\x27 -- \"$cur\"))"
    print "} &&"
    print "    complete -F _" name " " name
}' >"$output.new"
mv "$output.new" "$output"
