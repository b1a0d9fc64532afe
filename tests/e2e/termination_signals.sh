#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the program its own way: every window goes, no exit screen shows,
# the process ends with status 0 and the lock file is gone. Sent while the main window shows, and
# while the display window shows a reading. A signal also ends every moment of a start: sent at
# a range of moments after the launch (before the handlers are set, the signal's own default ends
# it), and while the update question is open.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
# Job control: without it, bash starts background programs with SIGINT ignored.
set -m

readonly caption='Lunetide v1\.15'

for signal in TERM INT HUP; do
    for where in main display; do
        launch
        program=$launched
        main=$(wait_for_window "$program" "$caption")
        [[ -f $lock ]] || fail "no lock file while the program runs"
        if [[ $where == display ]]; then
            press "$main" alt+m # Moon Magick Reading
            wait_until "$WINDOW_TIMEOUT" is_not_viewable "$main" || fail "no reading shown"
        fi
        kill -"$signal" "$program"
        expect_clean_end "$program" "$WINDOW_TIMEOUT" "SIG$signal in the $where window"
        [[ -z $(visible_toplevels) ]] || fail "windows left on screen: $(visible_toplevels)"
        [[ ! -e $lock ]] || fail "the lock file is left behind"
    done
done
ends_after_signal() {
    local program=$1 what=$2 status=0
    wait_until "$WINDOW_TIMEOUT" has_ended "$program" || fail "$what: still running"
    wait "$program" || status=$?
    [[ $status -eq 0 || $status -eq 143 ]] || fail "$what: exit status $status"
    [[ -z $(visible_toplevels) ]] || fail "$what: windows left on screen: $(visible_toplevels)"
    [[ ! -e $lock ]] || fail "$what: the lock file is left behind"
    step "$what: ended with status $status"
}

for delay in 0 0.05 0.1 0.2 0.3 0.5 0.8 1.2 2; do
    launch
    sleep "$delay"
    kill -TERM "$launched"
    ends_after_signal "$launched" "SIGTERM $delay s after the launch"
done

printf '[Settings]\nDuration=%s\n' "$(date -d '-20 days' +%F)" >"$settings"
launch
wait_for_window "$launched" Lunetide >/dev/null
kill -TERM "$launched"
ends_after_signal "$launched" "SIGTERM while the update question is open"
echo "PASS"
