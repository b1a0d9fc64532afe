# The panel program in a real tray (trayer) with a real notification server (dunst), on a private
# session bus: its icon's pixels for the day and hemisphere, the notification on the first day of
# a Full Moon run and on no other day or start, the autostart entry from its menu, one copy per
# user, SIGTERM, and the end when no tray ever comes.
source "$(dirname "$0")/x_session.sh"
PANEL=$LUNETIDE
# The windowed program the menu opens, found on the PATH.
mkdir "$sandbox/bin"
ln -s "$(realpath "${2:?usage: $0 <lunetide-panel> <lunetide>}")" "$sandbox/bin/lunetide"
export PATH=$sandbox/bin:$PATH
panel_lock=${lock%/lunetide.lock}/lunetide-panel.lock
libfaketime=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
export TZ=Europe/Berlin
mkdir -p "$HOME/.config/dunst"
# Every notification is kept in the history, none replaced or timed out on the way.
printf '[global]\n    history_length = 100\n' >"$HOME/.config/dunst/dunstrc"

dunst >"$sandbox/dunst.log" 2>&1 &
started+=($!)
notification_server_is_up() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q true
}
wait_until 10 notification_server_is_up || fail "dunst did not start"

start_tray() {
    trayer --edge top --align right --widthtype request --height 32 --transparent false \
        --SetDockType false >"$sandbox/trayer.log" 2>&1 &
    tray=$!
    started+=("$tray")
    wait_until 10 xdotool search --classname trayer >/dev/null || fail "trayer did not start"
}

# Starts the panel with the clock at a moment of the given day (10:00 unless a time is given); its
# process id is left in $panel.
start_panel_on() {
    env LD_PRELOAD="$libfaketime" FAKETIME="@$1 ${2:-10:00:00}" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        "$PANEL" >"$sandbox/panel-${#started[@]}.log" 2>&1 &
    panel=$!
    started+=("$panel")
}

# The panel's icon window inside the tray, once it is embedded.
embedded_icon() {
    local id
    id=$(xdotool search --pid "$panel" --name '^Lunetide$' 2>/dev/null | while read -r w; do
        xwininfo -id "$w" | grep -q 'Map State: IsViewable' && echo "$w"
    done | head -1)
    [[ -n $id ]] && echo "$id"
}

# "left" or "right": the brighter half of the icon, where the moon is lit.
lit_side() {
    local id=$1 left right
    import -window "$id" "$sandbox/icon.png"
    left=$(convert "$sandbox/icon.png" -gravity West -crop 50%x100%+0+0 -colorspace Gray -format '%[fx:mean]' info:)
    right=$(convert "$sandbox/icon.png" -gravity East -crop 50%x100%+0+0 -colorspace Gray -format '%[fx:mean]' info:)
    awk -v l="$left" -v r="$right" 'BEGIN { d = r - l; if (d > 0.004) print "right"; else if (d < -0.004) print "left"; else print "even" }'
}

# The notifications from Lunetide dunst received: those on screen are closed first, which moves
# them into its history.
notifications() {
    dunstctl close-all
    dunstctl history | jq '[.data[0][] | select(.appname.data == "Lunetide")] | length'
}

stop_panel() {
    kill -TERM "$panel"
    expect_clean_end "$panel" 10 "the panel on SIGTERM"
}

step "no tray: the panel waits, then ends with one line"
start=$SECONDS
LUNETIDE_PANEL_TRAY_WAIT=2 "$PANEL" >"$sandbox/no-tray.out" 2>"$sandbox/no-tray.err" && fail "ended with status 0 without a tray" || status=$?
[[ $status -eq 1 ]] || fail "status $status without a tray, not 1"
((SECONDS - start >= 2)) || fail "gave up before its wait"
[[ $(wc -l <"$sandbox/no-tray.err") -eq 1 && ! -s $sandbox/no-tray.out ]] ||
    fail "not one line on stderr: $(cat "$sandbox/no-tray.err")"

start_tray
dunstctl close-all

step "north, a waxing moon: the icon is lit on the right"
start_panel_on 2027-01-16
wait_until 20 embedded_icon >/dev/null || fail "the icon was not embedded in the tray"
[[ $(lit_side "$(embedded_icon)") == right ]] || fail "the waxing moon seen from the north is not lit on the right"

step "a second copy ends at once, status 0"
first=$panel
start_panel_on 2027-01-16
expect_clean_end "$panel" 5 "the second copy"
panel=$first

step "SIGTERM: status 0, the lock released"
stop_panel
[[ ! -e $panel_lock ]] || fail "the lock $panel_lock is still there"

step "at midnight the dark moon gives way to the first crescent"
start_panel_on 2027-01-10 23:59:50
wait_until 20 embedded_icon >/dev/null || fail "the icon was not embedded in the tray"
[[ $(lit_side "$(embedded_icon)") == even ]] || fail "the dark moon of the evening is lit on one side"
crescent_shows() { [[ $(lit_side "$(embedded_icon)") == right ]]; }
wait_until 30 crescent_shows || fail "the icon did not change at midnight"
stop_panel

step "south, the same day: the panel follows the settings file, lit on the left"
start_panel_on 2027-01-16
wait_until 20 embedded_icon >/dev/null || fail "the icon was not embedded in the tray"
# Lunetide, opened from the menu below on 21 January, has no update question to ask that day.
# Written as Lunetide writes it: a new file renamed over the old one.
printf '[Settings]\nHemisphere=south\nDuration=2027-01-21\n' >"$settings.new"
mv "$settings.new" "$settings"
south_shows() { [[ $(lit_side "$(embedded_icon)") == left ]]; }
wait_until 10 south_shows || fail "the waxing moon seen from the south is not lit on the left"
stop_panel

step "the first day of a Full Moon run: one notification"
# The panels above told what began on their days (the New Moon at midnight): count from here.
before=$(notifications)
start_panel_on 2027-01-20
one_notification_came() { (($(notifications) > before)); }
wait_until 20 one_notification_came || fail "no notification on the first day of a Full Moon run"
sleep 2
(($(notifications) == before + 1)) || fail "$(($(notifications) - before)) notifications, not one"
newest=$(dunstctl history | jq -r '.data[0] | max_by(.id.data) | .summary.data')
[[ $newest == "Full Moon begins today" ]] || fail "the notification says: $newest"
stop_panel

step "a restart the same day, and a day inside the run: none"
for day in 2027-01-20 2027-01-21; do
    start_panel_on "$day"
    wait_until 20 embedded_icon >/dev/null || fail "the icon was not embedded on $day"
    sleep 2
    (($(notifications) == before + 1)) || fail "a notification came on $day"
    stop_panel
done

step "Start With the Desktop writes a valid autostart entry, and unchecking removes it"
autostart=$HOME/.config/autostart/lunetide-panel.desktop
start_panel_on 2027-01-21
icon=$(wait_until 20 embedded_icon && embedded_icon) || fail "the icon was not embedded"
# Opens the menu with a right click on the icon and picks an entry by its access key.
pick_from_menu() {
    xdotool mousemove --window "$icon" 5 5 click 3
    sleep 0.5
    xdotool key "$1"
}
toggle_start_with_desktop() { pick_from_menu d; }
toggle_start_with_desktop
wait_until 10 test -f "$autostart" || fail "no autostart entry after checking Start With the Desktop"
desktop-file-validate "$autostart" || fail "the autostart entry is not valid"
toggle_start_with_desktop
wait_until 10 test ! -e "$autostart" || fail "the autostart entry stayed after unchecking"

step "Moon Calendar… opens Lunetide on its calendar"
pick_from_menu c
calendar=$(timeout "$WINDOW_TIMEOUT" xdotool search --sync --onlyvisible --name '^Moon Calendar - Lunetide v' | head -1) ||
    fail "no Moon Calendar window came"
kill -TERM "$(xdotool getwindowpid "$calendar")"
stop_panel
step "all passed"
