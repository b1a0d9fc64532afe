#!/usr/bin/env bash
# A second copy started while one runs says "Application is already running" and, once that is
# answered, ends with status 0 without having shown a window; the first copy is left as it was.
# So does a copy started from a session with another environment (su, ssh, cron).
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

readonly caption='Lunetide v1\.15'

step "start the first copy"
launch
first=$launched
main=$(wait_for_window "$first" "$caption")
[[ $(wc -w <<<"$main") -eq 1 ]] || fail "expected one main window, found: $main"
before=$(xwininfo -id "$main" | grep -E 'Absolute|Width|Height|Map State')
step "main window $main mapped"

step "start a second copy"
launch
second=$launched
box=$(wait_for_window "$second" Lunetide)
[[ $(wc -w <<<"$box") -eq 1 ]] || fail "expected one message box, found: $box"
# The message box is the second copy's only window on screen.
for window in $(visible_toplevels); do
    [[ $((window)) -eq $box || $((window)) -eq $main ]] ||
        fail "unexpected window on screen: $window \"$(title_of "$window")\""
done
# The message box's text is selectable: a triple click on its line selects it into the X primary
# selection. The line's height depends on the font, so try from the top down.
message_text() {
    local WIDTH HEIGHT y text
    eval "$(xdotool getwindowgeometry --shell "$box")"
    for ((y = 4; y < HEIGHT / 2; y += 4)); do
        xdotool mousemove --window "$box" $((WIDTH * 3 / 5)) "$y" click --repeat 3 --delay 80 1
        text=$(timeout 5 xclip -o -selection primary 2>/dev/null) || text=
        [[ -n $text ]] && break
    done
    echo "$text"
}
message=$(message_text)
[[ $message == 'Application is already running' ]] || fail "the message box says: \"$message\""
step "message box $box says \"Application is already running\""

step "answer it with Return"
press "$box" Return
expect_clean_end "$second" "$WINDOW_TIMEOUT" "second copy"

step "the first copy is unchanged"
has_ended "$first" && fail "the first copy ended"
now=$(xdotool search --onlyvisible --pid "$first" --name "^$caption\$")
[[ $now == "$main" ]] || fail "expected main window $main alone, found: $now"
[[ $(visible_toplevels) == "$(printf '0x%x' "$main")" ]] ||
    fail "expected the main window alone on screen, found: $(visible_toplevels)"
after=$(xwininfo -id "$main" | grep -E 'Absolute|Width|Height|Map State')
[[ $after == "$before" ]] || fail "the main window changed: $before -> $after"

step "start a copy without XDG_RUNTIME_DIR and with another XDG_CACHE_HOME"
launch_prefix=(env -u XDG_RUNTIME_DIR XDG_CACHE_HOME="$sandbox/cache")
launch
launch_prefix=()
box=$(wait_for_window "$launched" Lunetide)
message=$(message_text)
[[ $message == 'Application is already running' ]] || fail "the message box says: \"$message\""
press "$box" Return
expect_clean_end "$launched" "$WINDOW_TIMEOUT" "copy of another session"
[[ $(visible_toplevels) == "$(printf '0x%x' "$main")" ]] ||
    fail "expected the main window alone on screen, found: $(visible_toplevels)"

# The first copy still leaves the usual way.
step "leave the first copy"
press "$main" Escape
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$main" || fail "the main window stayed"
# The exit screen has no cancel button: Enter on its Exit button, which has the focus, leaves it.
press "$(visible_toplevels)" Return
expect_clean_end "$first" "$WINDOW_TIMEOUT" "first copy"
echo "PASS"
