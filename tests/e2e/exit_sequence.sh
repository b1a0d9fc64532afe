#!/usr/bin/env bash
# Leaving the program: Esc in the main window gives way to the exit screen, alone on screen; Esc
# on the exit screen, which has no cancel button, leaves it there; Enter on its Exit button ends
# the process with status 0 (how long it takes is logged, not judged: a sanitizer build on a busy
# machine needs about a second).
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

readonly caption='Lunetide v1\.15'
readonly exit_screen_size=741x315

step "start"
launch
program=$launched
main=$(wait_for_window "$program" "$caption")
[[ $(wc -w <<<"$main") -eq 1 ]] || fail "expected one main window, found: $main"
[[ $(visible_toplevels) == "$(printf '0x%x' "$main")" ]] ||
    fail "expected the main window alone on screen, found: $(visible_toplevels)"
step "main window $main mapped, $(size_of "$main")"

# The exit screen: the one visible window, of the exit screen's size, and not the main window.
exit_screen_alone() {
    local visible
    visible=$(visible_toplevels)
    [[ $(wc -w <<<"$visible") -eq 1 && $((visible)) -ne $main ]] &&
        [[ $(size_of "$visible") == "$exit_screen_size" ]]
}

step "Esc in the main window (its cancel button, Exit)"
press "$main" Escape
wait_until "$WINDOW_TIMEOUT" exit_screen_alone ||
    fail "expected the exit screen ($exit_screen_size) alone on screen; visible: $(visible_toplevels)"
exit_screen=$(visible_toplevels)
[[ $(title_of "$exit_screen") == "Lunetide v1.15" ]] ||
    fail "exit screen titled \"$(title_of "$exit_screen")\""
xprop -id "$exit_screen" _NET_WM_PID | grep -q "= $program\$" ||
    fail "the visible window does not belong to the program"
has_ended "$program" && fail "the program ended before its exit screen was left"
step "exit screen $exit_screen alone on screen, $(size_of "$exit_screen")"

step "Esc on the exit screen (no cancel button: nothing happens)"
press "$exit_screen" Escape
sleep 1
has_ended "$program" && fail "Esc on the exit screen ended the program"
exit_screen_alone || fail "the exit screen went away on Esc; visible: $(visible_toplevels)"

step "Enter on the exit screen (Exit has the focus)"
press "$exit_screen" Return
expect_clean_end "$program" "$WINDOW_TIMEOUT" "program"
[[ -z $(visible_toplevels) ]] || fail "windows left on screen: $(visible_toplevels)"
echo "PASS"
