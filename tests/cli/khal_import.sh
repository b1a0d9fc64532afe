#!/usr/bin/env bash
# khal imports the file of lunetide-reading --ical --alarm twice into an empty account: it keeps
# each event once (by UID), a reminder on each phase event and none on the sign events.
#   khal_import.sh <lunetide-reading>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v khal >/dev/null || fail "khal is not installed (scripts/install-deps installs it)"
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox"/{home,config/khal,data,calendar}
# The least khal reads without asking: one calendar folder, the formats of dates and times.
printf '%s\n' '[calendars]' '[[moon]]' "path = $sandbox/calendar" '[locale]' 'timeformat = %H:%M' \
    'dateformat = %Y-%m-%d' 'longdateformat = %Y-%m-%d' 'datetimeformat = %Y-%m-%d %H:%M' \
    'longdatetimeformat = %Y-%m-%d %H:%M' >"$sandbox/config/khal/config" || fail "khal's config"
account() {
    env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$sandbox/home" TZ=UTC LC_ALL=C.UTF-8 \
        XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" "$@" </dev/null
}
uids() { grep -ho '^UID:[^[:cntrl:]]*' "$@" | sort; }
file=$sandbox/moon.ics
account "$1" --ical --alarm -P1D --month 2027-01 >"$file" || fail "lunetide-reading failed"
written=$(uids "$file") || fail "no events in the calendar file"
account khal import --batch -a moon "$file" && account khal import --batch -a moon "$file" ||
    fail "khal import failed"
stored=$(uids "$sandbox"/calendar/*.ics) || fail "khal stored no events"
[[ $stored == "$written" ]] || fail "khal keeps:"$'\n'"$(diff <(echo "$written") <(echo "$stored"))"
for event in "$sandbox"/calendar/*.ics; do
    alarms=$(sed -n '/^BEGIN:VALARM/,/^END:VALARM/p' "$event" |
        grep -cE '^(TRIGGER:-P1D|ACTION:DISPLAY|DESCRIPTION:.)') || true
    grep -q '^UID:lunetide-sign-' "$event" && expected=0 || expected=3
    ((alarms == expected)) || fail "a reminder wrong or missing:"$'\n'"$(cat "$event")"
done
echo "PASS: $(wc -l <<<"$written") events, each once"
