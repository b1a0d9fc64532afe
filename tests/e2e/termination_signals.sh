#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the program its own way: every window goes, no exit screen shows,
# the process ends with status 0 and the lock file is gone. Sent while the main window shows, and
# while the display window shows a reading.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
# Job control: without it, bash starts background programs with SIGINT ignored.
set -m

readonly caption='Lunetide v1\.15'
readonly lock=$XDG_RUNTIME_DIR/lunetide.lock

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
echo "PASS"
