#!/usr/bin/env bash
# Reads the manual pages as `man` shows them: the synopsis gives each form of lunetide-reading on a
# line of its own, each example stands on its own line, and neither page offers --help-all.
#
#   check_man_pages.sh <folder of the .1.gz pages>
set -euo pipefail

pages=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
render() { MANWIDTH=200 man -l "$pages/$1.1.gz" 2>/dev/null | col -bx; }
# The lines of one section (headings and the footer start at the margin), without their indent.
section() { awk -v name="$2" '/^[^ ]/ { inside = ($0 == name); next } inside && NF { sub(/^ +/, ""); print }' <<<"$1"; }

reading=$(render lunetide-reading)
windowed=$(render lunetide)

synopsis=$(section "$reading" SYNOPSIS)
expected="lunetide-reading [options] [DATE]
lunetide-reading [options] --from DATE --to DATE
lunetide-reading [options] --month [MONTH]
lunetide-reading [options] --next [--after DATE] [PHASE]"
[[ $synopsis == "$expected" ]] || fail "SYNOPSIS of lunetide-reading reads:"$'\n'"$synopsis"

examples=$(section "$reading" EXAMPLES)
(($(wc -l <<<"$examples") >= 5)) || fail "EXAMPLES of lunetide-reading reads:"$'\n'"$examples"
while IFS= read -r line; do
    [[ $line == '$ lunetide-reading'* && $line != *'$ lunetide-reading'*'$ '* ]] ||
        fail "an example line that is not one command: $line"
done <<<"$examples"

[[ $(section "$windowed" SYNOPSIS) == "lunetide [options]" ]] || fail "SYNOPSIS of lunetide"
for page in "$reading" "$windowed"; do
    [[ $page != *help-all* ]] || fail "a page offers --help-all"
done
echo "manual pages: every synopsis form and every example on a line of its own"
