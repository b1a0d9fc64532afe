#!/usr/bin/env bash
# The moon in the sky as a user reaches it by keyboard and a screen reader hears it (run under
# dbus-run-session), in Sydney at 8 PM on 23 December 2026, the evening before a full moon: File,
# Moon in the Sky (Alt+F, S, Enter: S is also Southern Hemisphere's key, and the first press only
# highlights the first of the two) names the light, the moon's sign, the rise and set for the time
# zone's place and the full moon of 24 December at 12:28 with its southern name. A place set
# through File, Your Place (Alt+F, P) is stored, and the next window's moonrise is for it.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

client() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_client.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

readonly faketime_library=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
mkdir -p -m 0700 "$HOME/.config" "$(dirname "$settings")"
printf '[Settings]\nDuration=2026-12-23\n' >"$settings"
launch_prefix=(env LD_PRELOAD="$faketime_library" FAKETIME="@2026-12-23 20:00:00"
    TZ=Australia/Sydney LC_ALL=C.UTF-8
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
launch
main=$(wait_for_window "$launched" 'Lunetide v1\.15')
readonly sky_title='Moon in the Sky - Lunetide v1.15'

open_sky() {
    press "$main" alt+f
    xdotool key s Return
    sky=$(wait_for_window "$launched" "$sky_title")
    labels=$(client window-labels "$sky_title")
}
hears() { grep -qxE -- "$1" <<<"$labels" || fail "the sky window does not say \"$1\": $(tr '\n' '|' <<<"$labels")"; }

step "Alt+F, S, Enter opens Moon in the Sky"
open_sky
hears 'For: now, 12/23/2026 20:00'
hears 'Illuminated: 9[0-9]\.[0-9] %, waxing'
hears "Moon's sign: Gemini"
hears 'Moonrise: [0-9]{2}:[0-9]{2}'
hears 'Moonset: [0-9]{2}:[0-9]{2}'
hears "Moonrise, moonset and transit: for Sydney \(the time zone's place\)"
hears "This month's full moon: Strawberry Moon, 12/24/2026 12:28(, .*)?"
sydney_rise=$(grep '^Moonrise: ' <<<"$labels")
step "it says $(grep -E '^(Illuminated|Moonrise|Moonset): ' <<<"$labels" | tr '\n' ' ')"
[[ $(xdotool search --onlyvisible --pid "$launched" --name '^Lunetide v1\.15$') == "$main" ]] ||
    fail "more than one main window shows"
press "$sky" Escape
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$sky" || fail "Esc left the sky window open"
grep -q '^Hemisphere=' "$settings" && fail "Alt+F, S, Enter chose a hemisphere"

step "Alt+F, P: Your Place, 52.52 and 13.40, Enter"
press "$main" alt+f
xdotool key p
place=$(wait_for_window "$launched" 'Your Place - Lunetide v1\.15')
xdotool windowfocus --sync "$place"
xdotool key ctrl+a && xdotool type --delay 30 52.52
xdotool key Tab ctrl+a && xdotool type --delay 30 13.40
xdotool key Return
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$place" || fail "Enter left Your Place open"
grep -qx "Latitude=52.5200" "$settings" && grep -qx "Longitude=13.4000" "$settings" ||
    fail "the settings file holds: $(tr '\n' '|' <"$settings")"

step "the sky window's rise and set are now for that place"
open_sky
hears 'Moonrise, moonset and transit: for 52\.52° N, 13\.40° E'
berlin_rise=$(grep '^Moonrise: ' <<<"$labels")
[[ $berlin_rise != "$sydney_rise" ]] || fail "the moonrise stays at $sydney_rise"
step "$sydney_rise in Sydney, $berlin_rise at 52.52° N, 13.40° E (Sydney time)"
press "$sky" Escape
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$sky" || fail "Esc left the sky window open"

kill -TERM "$launched"
expect_clean_end "$launched" "$WINDOW_TIMEOUT" "the program"
echo "PASS"
