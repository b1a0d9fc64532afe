#!/usr/bin/env bash
# The moon in the sky as a user reaches it by keyboard and a screen reader hears it (run under
# dbus-run-session), in Sydney at 8 PM on 23 December 2026, the evening before a full moon: File,
# Moon in the Sky (Alt+F, S, Enter: S is also Southern Hemisphere's key, and the first press only
# highlights the first of the two) names the light, the moon's sign, the rise and set for the time
# zone's place and the full moon of 24 December at 12:28 with its southern name. A place set
# through File, Your Place (Alt+F, P), Perth's, is stored, and the next window's moonrise is for it.
# lunetide --sky opens the same window over the main window, with the keyboard in it, once the
# update question before it is answered.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

client() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_client.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

readonly faketime_library=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
mkdir -p -m 0700 "$HOME/.config" "$(dirname "$settings")"
printf '[Settings]\nDuration=2026-12-23\n' >"$settings"
launch_prefix=(env LD_PRELOAD="$faketime_library" FAKETIME="@2026-12-23 20:00:00"
    TZ=Australia/Sydney LC_ALL=en_US.UTF-8
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
launch
main=$(wait_for_window "$launched" 'Lunetide v1\.15')
readonly sky_title='Moon in the Sky - Lunetide v1.15'

# The showing window with that title other than the main window (which the search finds too once
# a dialog is over it), searched again when a closing menu takes a window away while xdotool looks.
showing() {
    xdotool search --onlyvisible --pid "$launched" --name "^$1\$" 2>/dev/null | grep -vx "$main" | head -1 | grep .
}
wait_for() {
    wait_until "$WINDOW_TIMEOUT" showing "$1" >/dev/null || fail "no window \"$1\" showed"
    showing "$1"
}
open_sky() {
    press "$main" alt+f
    xdotool key s Return
    sky=$(wait_for "$sky_title")
    labels=$(client window-labels "$sky_title")
}
hears() { grep -qxE -- "$1" <<<"$labels" || fail "the sky window does not say \"$1\": $(tr '\n' '|' <<<"$labels")"; }

step "Alt+F, S, Enter opens Moon in the Sky"
open_sky
hears 'For: now, 12/23/2026 8:00 PM'
hears 'Illuminated: 9[0-9]\.[0-9] %, waxing'
hears "Moon's sign: Gemini"
hears 'Moonrise: 1?[0-9]:[0-9]{2} [AP]M'
hears 'Moonset: 1?[0-9]:[0-9]{2} [AP]M'
hears "Moonrise, moonset and transit: for Sydney \(the time zone's place\)"
hears "Next full moon: Strawberry Moon, 12/24/2026 12:28 PM(, .*)?"
sydney_rise=$(grep '^Moonrise: ' <<<"$labels")
step "it says $(grep -E '^(Illuminated|Moonrise|Moonset): ' <<<"$labels" | tr '\n' ' ')"
press "$sky" Escape
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$sky" || fail "Esc left the sky window open"
grep -q '^Hemisphere=' "$settings" && fail "Alt+F, S, Enter chose a hemisphere"

step "Alt+F, P: Your Place, Perth: -31.95 and 115.86, Enter"
press "$main" alt+f
xdotool key p
place=$(wait_for 'Your Place - Lunetide v1.15')
xdotool windowfocus --sync "$place"
xdotool key ctrl+a && xdotool type --delay 30 -- -31.95
xdotool key Tab ctrl+a && xdotool type --delay 30 115.86
xdotool key Return
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$place" || fail "Enter left Your Place open"
grep -qx "Latitude=-31.9500" "$settings" && grep -qx "Longitude=115.8600" "$settings" ||
    fail "the settings file holds: $(tr '\n' '|' <"$settings")"

step "the sky window's rise and set are now for that place"
open_sky
hears 'Moonrise, moonset and transit: for 31\.95° S, 115\.86° E'
hears 'Moonrise: 1?[0-9]:[0-9]{2} [AP]M'
perth_rise=$(grep '^Moonrise: ' <<<"$labels")
[[ $perth_rise != "$sydney_rise" ]] || fail "the moonrise stays at $sydney_rise"
step "$sydney_rise in Sydney, $perth_rise in Perth (Sydney time)"
press "$sky" Escape
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$sky" || fail "Esc left the sky window open"

kill -TERM "$launched"
expect_clean_end "$launched" "$WINDOW_TIMEOUT" "the program"

step "lunetide --sky, the update question due: No, then Moon in the Sky on top; Enter closes it"
sed -i 's/^Duration=.*/Duration=2026-12-01/' "$settings"
launch --sky
press "$(wait_for_window "$launched" Lunetide)" Escape # No
main=$(wait_for_window "$launched" 'Lunetide v1\.15')
sky=$(wait_for "$sky_title")
[[ $(visible_toplevels | head -1) == $(printf '0x%x' "$sky") ]] || fail "the sky window is not on top"
labels=$(client window-labels "$sky_title")
hears 'Moonrise, moonset and transit: for 31\.95° S, 115\.86° E'
has_focus() { [[ $(xdotool getwindowfocus) == "$sky" ]]; }
wait_until "$WINDOW_TIMEOUT" has_focus || fail "the sky window never took the keyboard focus"
xdotool key Return
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$sky" || fail "Enter left the sky window open"
kill -TERM "$launched"
expect_clean_end "$launched" "$WINDOW_TIMEOUT" "lunetide --sky"
echo "PASS"
