#!/usr/bin/env bash
# A calendar program imports the calendar file of lunetide-reading --ical --alarm twice, as a user
# who keeps it up to date would: khal, in an account of its own with nothing in it, keeps each
# event once (by its UID) and the reminder of every phase event, and no sign event gains one.
#
#   khal_import.sh <lunetide-reading>
set -euo pipefail
READING=${1:?}
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v khal >/dev/null || fail "khal is not installed (scripts/install-deps installs it)"

sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox"/{home,config/khal,data,calendar}
# The least khal reads without asking: one calendar folder, and the formats of dates and times.
cat >"$sandbox/config/khal/config" <<CONFIG || fail "cannot write khal's configuration"
[calendars]
[[moon]]
path = $sandbox/calendar
type = calendar

[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
CONFIG
account() {
    env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$sandbox/home" \
        XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" TZ=UTC LC_ALL=C.UTF-8 "$@"
}

file=$sandbox/moon.ics
account "$READING" --ical --alarm -P1D --month 2027-01 >"$file" || fail "lunetide-reading failed"
written=$(grep -c '^BEGIN:VEVENT' "$file") || fail "no events in $file"
uids=$(grep -o '^UID:[^[:cntrl:]]*' "$file" | sort)
[[ $(uniq <<<"$uids" | wc -l) == "$written" ]] || fail "the file repeats a UID: $uids"

for import in first second; do
    account khal import --batch -a moon "$file" </dev/null ||
        fail "the $import import failed"
done

stored=$(cat "$sandbox"/calendar/*.ics | grep -o '^UID:[^[:cntrl:]]*' | sort)
[[ $stored == "$uids" ]] ||
    fail "khal keeps other events than the file's, or some twice:"$'\n'"$(diff <(echo "$uids") <(echo "$stored"))"
reminded=0
for event in "$sandbox"/calendar/*.ics; do
    alarms=$(grep -c '^BEGIN:VALARM' "$event") || true
    case $(grep -o '^UID:lunetide-[a-z]*' "$event") in
    UID:lunetide-sign)
        ((alarms == 0)) || fail "a sign event with a reminder: $event" ;;
    UID:lunetide-phase | UID:lunetide-sky)
        ((alarms == 1)) && grep -q '^TRIGGER:-P1D' "$event" && grep -q '^ACTION:DISPLAY' "$event" ||
            fail "a phase event without its reminder:"$'\n'"$(cat "$event")"
        reminded=$((reminded + 1)) ;;
    *) fail "an event of no known kind: $event" ;;
    esac
done
((reminded >= 10)) || fail "only $reminded phase events"
echo "PASS: $written events, each once, $reminded with their reminder"
