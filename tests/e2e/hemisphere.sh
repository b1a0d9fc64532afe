#!/usr/bin/env bash
# The moon as seen from the user's hemisphere: the time zone's place decides unless the setting
# says otherwise, and File > Southern Hemisphere stores the choice for the next start. Read off
# today's picture on a waxing-crescent day: seen from the north it is lit on the right, from the
# south on the left.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

# 16 December 2026 in UTC: a waxing crescent in every time zone (the moon 6 to 8 days old).
days=$((($(date -u -d 2026-12-16 +%s) - $(date -u -d "$(date -u +%F)" +%s)) / 86400))

# "left" or "right": the brighter half of today's picture (the client area is the window's lowest
# 550 rows; the picture box's top left corner lies at 272,248 of it and the picture is 50 x 50).
lit_side() {
    local window=$1 shot=$sandbox/shot.png top left right
    import -window "$window" "$shot"
    top=$(($(identify -format %h "$shot") - 550 + 248))
    left=$(convert "$shot" -crop "25x50+272+$top" -format '%[fx:mean]' info:)
    right=$(convert "$shot" -crop "25x50+297+$top" -format '%[fx:mean]' info:)
    awk -v l="$left" -v r="$right" 'BEGIN { print (l > r + 0.02 ? "left" : r > l + 0.02 ? "right" : "none") }'
}

# Waits until today's picture is painted lit on that side.
lit_on() { [[ $(lit_side "$window") == "$1" ]]; }

# Starts the program in a time zone with the clock on that day; leaves the main window in $window.
start_in() {
    clock_moved_by "$days"
    launch_prefix+=(TZ="$1")
    launch
    program=$launched
    window=$(wait_for_window "$program" 'Lunetide v1\.15' | head -n 1)
}

stop() {
    kill -TERM "$program"
    expect_clean_end "$program" "$WINDOW_TIMEOUT" "$1"
}

# The update question was last asked that day, so no start asks it or writes its date; a setting
# line other than "-" follows it.
asked=$(date -d "$days days" +%F)
write_settings() {
    printf '[Settings]\nDuration=%s\n' "$asked" >"$settings"
    [[ $1 == - ]] || printf '%s\n' "$1" >>"$settings"
}

mkdir -p "$(dirname "$settings")"
while read -r zone setting expected; do
    step "$zone, setting '$setting': lit on the $expected"
    write_settings "$setting"
    before=$(cat "$settings")
    start_in "$zone"
    wait_until 10 lit_on "$expected" ||
        fail "$zone with '$setting': today's moon lit on the $(lit_side "$window")"
    stop "$zone"
    [[ $(cat "$settings") == "$before" ]] || fail "the automatic choice wrote: $(cat "$settings")"
done <<'TABLE'
Australia/Sydney - left
Europe/Berlin - right
Australia/Sydney Hemisphere=north right
Europe/Berlin Hemisphere=south left
TABLE

step "File > Southern Hemisphere in Berlin turns the moon and stores one line"
write_settings -
before=$(cat "$settings")
start_in Europe/Berlin
press "$window" alt+f
# S is also the key of Moon in the Sky, which comes first: the second S highlights this entry.
xdotool key s s Return
wait_until 5 lit_on left || fail "the picture did not turn at once"
stop "the start that chose the south"
[[ $(grep -c '^Hemisphere=south$' "$settings") == 1 && $(grep -v '^Hemisphere=south$' "$settings") == "$before" ]] ||
    fail "settings after the choice: $(cat "$settings")"

step "the next start keeps the choice"
start_in Europe/Berlin
wait_until 10 lit_on left || fail "the choice of the south was not kept"
stop "the second start"
echo "PASS"
