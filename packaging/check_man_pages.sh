#!/usr/bin/env bash
# Reads the manual pages as `man` shows them on a terminal 80 columns wide: the synopsis gives each
# form of lunetide-reading on a line of its own, each example stands whole on its own line, the
# sections a reader looks for are there, and neither page offers --help-all or Qt's stock wording.
#
#   check_man_pages.sh <folder of the .1.gz pages>
set -euo pipefail

pages=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
render() { MANWIDTH=80 man -l "$pages/$1.1.gz" 2>/dev/null | col -bx; }
# The lines of one section (headings and the footer start at the margin), without their indent.
section() { awk -v name="$2" '/^[^ ]/ { inside = ($0 == name); next } inside && NF { sub(/^ +/, ""); print }' <<<"$1"; }
headings() { grep -E '^[A-Z]' <<<"$1" | sed 1d; } # the first is the header

reading=$(render lunetide-reading)
windowed=$(render lunetide)
panel=$(render lunetide-panel)

synopsis=$(section "$reading" SYNOPSIS)
expected="lunetide-reading [options] [DATE]
lunetide-reading [options] --from DATE --to DATE
lunetide-reading [options] --month [YYYY-MM]
lunetide-reading [options] --next [--after DATE] [PHASE]"
[[ $synopsis == "$expected" ]] || fail "SYNOPSIS of lunetide-reading reads:"$'\n'"$synopsis"

examples=$(section "$reading" EXAMPLES)
(($(wc -l <<<"$examples") >= 5)) || fail "EXAMPLES of lunetide-reading reads:"$'\n'"$examples"
while IFS= read -r line; do
    [[ $line == '$ lunetide-reading'* && $line != *'$ lunetide-reading'*'$ '* ]] ||
        fail "an example line that is not one command: $line"
done <<<"$examples"
[[ $(section "$reading" OPTIONS) == *'--month [YYYY-MM]'* ]] || fail "--month without its argument"
# The prose about the forms is description, not part of the list of arguments.
[[ $(section "$reading" DESCRIPTION) == *'lists the next day on which each moon phase'* ]] ||
    fail "the forms are not described under DESCRIPTION"

[[ $(section "$windowed" SYNOPSIS) == "lunetide [options]" ]] || fail "SYNOPSIS of lunetide"

expected_headings() {
    local page=$1 name=$2
    shift 2
    local got
    got=$(headings "$page" | tr '\n' '|')
    local want
    want=$(printf '%s|' "$@")
    [[ $got == "$want" ]] || fail "the sections of $name are $got, not $want"
}
expected_headings "$windowed" lunetide NAME SYNOPSIS DESCRIPTION OPTIONS KEYS "THE CALENDAR" \
    "THE MOON FROM WHERE YOU LIVE" "THE EXIT SCREEN AND WHAT IS SENT" "EXIT STATUS" FILES "SEE ALSO"
expected_headings "$panel" lunetide-panel NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT \
    FILES "SEE ALSO"
for file in '~/.config/autostart/lunetide-panel.desktop' '/run/user/UID/lunetide-panel.lock'; do
    [[ $(section "$panel" FILES) == *"$file"* ]] || fail "lunetide-panel: FILES lacks $file"
done
expected_headings "$reading" lunetide-reading NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" \
    FILES EXAMPLES "SEE ALSO"

[[ $(section "$windowed" "THE CALENDAR" | tr -s ' ') == *'Moon Calendar... (Alt+F, C)'* ]] ||
    fail "lunetide: THE CALENDAR lacks the menu entry"
[[ $(section "$windowed" "SEE ALSO") == *'lunetide-reading(1)'* ]] || fail "lunetide: SEE ALSO"
[[ $(section "$reading" "SEE ALSO") == 'lunetide(1), cal(1), pom(6)' ]] ||
    fail "lunetide-reading: SEE ALSO reads $(section "$reading" "SEE ALSO")"
for file in '~/.config/Lunetide/lunetide.conf' '/run/user/UID/lunetide.lock' \
    '~/.cache/lunetide/lunetide.lock'; do
    [[ $(section "$windowed" FILES) == *"$file"* ]] || fail "lunetide: FILES lacks $file"
done
for page in "$reading" "$windowed" "$panel"; do
    [[ $page != *help-all* ]] || fail "a page offers --help-all"
    [[ $page != *'Displays help'* && $page != *'Displays version'* ]] || fail "Qt's stock wording"
    [[ $page != *'Exit status:'* ]] || fail "the exit status as a subsection"
    while IFS= read -r line; do
        ((${#line} <= 80)) || fail "a line wider than 80 columns: $line"
    done <<<"$page"
done
echo "manual pages: every section, synopsis form and example where a reader looks for it"
