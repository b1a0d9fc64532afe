#!/usr/bin/env bash
# Left open over midnight, the main window's today panels follow the clock into the new day. The
# program runs under faketime from a quarter of a minute before midnight on 20 August 2026 (New
# Moon, Moon In Leo, Fire) into 21 August (Waxing Moon, Moon In Virgo, Earth), and its labels are
# read as a screen reader reads them (run under dbus-run-session).
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

client() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_client.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

readonly faketime_library=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
readonly headroom=15 # seconds from the start to midnight

# The update question was asked on the day the program starts, so none comes; the new day
# leaves the stored date alone.
mkdir -p -m 0700 "$HOME/.config" "$(dirname "$settings")"
printf '[Settings]\nDuration=2026-08-20\n' >"$settings"

# A sanitizer build wants its runtime first in the library list; libfaketime comes first here.
launch_prefix=(env LD_PRELOAD="$faketime_library" FAKETIME="@2026-08-20 23:59:$((60 - headroom))"
    LC_ALL=C.UTF-8 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
started_at=$SECONDS
launch
wait_for_window "$launched" 'Lunetide v1\.15' >/dev/null

# True when the main window's labels include each of the given texts, whole.
shows() {
    local labels text
    labels=$(client labels) || return 1
    for text; do
        grep -qxF -- "$text" <<<"$labels" || return 1
    done
}

# The program's clock started no earlier than the launch, so labels read within the headroom were
# read before its midnight.
labels=$(client labels)
if ((SECONDS - started_at < headroom)); then
    for text in "New Moon" "Moon In Leo" "Fire"; do
        grep -qxF -- "$text" <<<"$labels" || fail "before midnight: $(tr '\n' '|' <<<"$labels")"
    done
    step "before midnight: New Moon, Moon In Leo, Fire"
fi

step "after midnight"
wait_until $((headroom + 30)) shows "Waxing Moon" "Moon In Virgo" "Earth" ||
    fail "after midnight the main window shows: $(client labels | tr '\n' '|')"
labels=$(client labels)
for old in "New Moon" "Moon In Leo" "Fire"; do
    ! grep -qxF -- "$old" <<<"$labels" || fail "\"$old\" is still shown after midnight"
done
grep -F ' ; ' <<<"$labels"
step "the main window shows Waxing Moon, Moon In Virgo, Earth"
kill -TERM "$launched"
expect_clean_end "$launched" "$WINDOW_TIMEOUT" "after midnight"
[[ $(cat "$settings") == "$(printf '[Settings]\nDuration=2026-08-20')" ]] ||
    fail "the settings now hold: $(cat "$settings")"
echo "PASS"
