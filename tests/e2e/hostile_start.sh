#!/usr/bin/env bash
# What the machine leaves behind never keeps the program from starting: lock files that no
# running copy holds (empty, garbage, another machine's) are taken over; a folder or a named pipe
# in the way of the lock is reported, naming its path, left as it is, and the program starts all
# the same; a settings file that is a named pipe or a link to /dev/zero is left as it is, nothing
# asked; a standard error no one reads ends nothing, nor does a standard descriptor closed at start; a clock set beyond the four-digit years opens
# the main window; a lock file of the settings library left beside the settings file does not hold
# up the start after the update question. Each start ends with SIGTERM, status 0.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

readonly caption='Lunetide v1\.15'

# The main window, not a message box that carried another title for a moment when it was mapped.
main_window_of() {
    local main
    main=$(wait_for_window "$1" "$caption")
    [[ $(title_of "$main") == "Lunetide v1.15" ]] || fail "expected the main window, found \"$(title_of "$main")\""
    echo "$main"
}

# Starts the program, waits for its main window and ends it with SIGTERM: status 0, lock gone.
starts_and_ends() {
    local what=$1 program main
    launch
    program=$launched
    main=$(main_window_of "$program")
    step "$what: main window $main mapped"
    kill -TERM "$program"
    expect_clean_end "$program" "$WINDOW_TIMEOUT" "$what"
}

mkdir -p "$(dirname "$lock")"
chmod 0700 "$(dirname "$lock")"
for kind in empty garbage foreign; do
    rm -rf "$lock"
    case $kind in
    empty) : >"$lock" ;;
    garbage) head -c 300 /dev/urandom >"$lock" ;;
    foreign) printf '4242\nlunetide\nanother-%s\n' "$(hostname)" >"$lock" ;;
    esac
    starts_and_ends "$kind lock file"
    [[ ! -e $lock ]] || fail "the lock file is left behind"
done

for kind in folder "named pipe"; do
    step "a $kind in the way of the lock"
    rm -rf "$lock"
    if [[ $kind == folder ]]; then mkdir "$lock"; else mkfifo "$lock"; fi
    launch
    program=$launched
    box=$(wait_for_window "$program" Lunetide)
    grep -qF "$lock" "$sandbox/lunetide-$((${#started[@]} - 1)).log" ||
        fail "the message does not name $lock"
    press "$box" Return
    main=$(main_window_of "$program")
    step "message answered, main window $main mapped"
    kill -TERM "$program"
    expect_clean_end "$program" "$WINDOW_TIMEOUT" "$kind in the way"
    [[ -d $lock || -p $lock ]] || fail "the $kind at the lock's path is gone"
    rm -rf "$lock"
done

for kind in "named pipe" "link to /dev/zero"; do
    rm -f "$settings"
    if [[ $kind == "named pipe" ]]; then mkfifo "$settings"; else ln -s /dev/zero "$settings"; fi
    starts_and_ends "settings file a $kind" # no question: its main window comes first
    [[ -p $settings || $(readlink "$settings") == /dev/zero ]] || fail "the $kind was replaced"
    [[ $(ls -A "$(dirname "$settings")") == "$(basename "$settings")" ]] ||
        fail "written beside the settings: $(ls -A "$(dirname "$settings")")"
done
rm -f "$settings"

# A warning to print (the settings folder cannot be made), on a pipe whose reader is gone.
step "standard error no one reads"
mv "$HOME/.config" "$HOME/config.kept"
: >"$HOME/.config"
mkfifo "$sandbox/stderr"
exec {reader}<>"$sandbox/stderr" {writer}>"$sandbox/stderr"
exec {reader}<&-
"$LUNETIDE" >/dev/null 2>&"$writer" &
program=$!
started+=("$program")
exec {writer}>&-
main=$(main_window_of "$program")
kill -TERM "$program"
expect_clean_end "$program" "$WINDOW_TIMEOUT" "closed standard error"
[[ ! -e $lock ]] || fail "the lock file is left behind"

# Started with a standard descriptor closed, and a warning to print: the display connection must
# not take the closed one's number and receive the warning.
for closed in 0 1 2; do
    step "descriptor $closed closed"
    log=$sandbox/closed-$closed.log
    case $closed in
    0) "$LUNETIDE" <&- >"$log" 2>&1 & ;;
    1) "$LUNETIDE" >&- 2>"$log" & ;;
    2) "$LUNETIDE" 2>&- >"$log" & ;;
    esac
    program=$!
    started+=("$program")
    main=$(main_window_of "$program")
    kill -TERM "$program"
    expect_clean_end "$program" "$WINDOW_TIMEOUT" "descriptor $closed closed"
    [[ ! -e $lock ]] || fail "the lock file is left behind"
done
rm "$HOME/.config"
mv "$HOME/config.kept" "$HOME/.config"

# No stored date, so that no update question comes (a clock set back asks it, as it should).
for day in 10021-08-16 0499-03-08; do
    rm -f "$settings"
    clock_moved_by $((($(date -d "$day" +%s) - $(date +%s)) / 86400))
    starts_and_ends "clock on $day"
    launch_prefix=()
done

# The update question is due; a lock file of the settings library, left by a crash, is beside the
# settings file. The library would wait about 30 s for it after the answer; the main window comes
# at once, and the answer is stored.
step "a settings lock file left behind"
printf '[Settings]\nDuration=%s\nOther=kept\n' "$(date -d '-20 days' +%F)" >"$settings"
: >"$settings.lock"
launch
program=$launched
question=$(wait_for_window "$program" Lunetide)
press "$question" Escape # No
main_window_shown() {
    local window
    window=$(xdotool search --onlyvisible --pid "$program" --name "^$caption\$" 2>/dev/null) &&
        [[ $(title_of "$window") == "Lunetide v1.15" ]]
}
wait_until 10 main_window_shown || fail "no main window within 10 s of the answer"
[[ $(cat "$settings") == "$(printf '[Settings]\nDuration=%s\nOther=kept' "$(date +%F)")" ]] ||
    fail "settings after the answer: $(cat "$settings")"
kill -TERM "$program"
expect_clean_end "$program" "$WINDOW_TIMEOUT" "settings lock"
echo "PASS"
