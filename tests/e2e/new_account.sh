#!/usr/bin/env bash
# A new account, whose home holds nothing of the program: the first start makes the settings
# folder (for this user alone), stores today's date, asks nothing and prints nothing; 14 days
# later nothing is asked and nothing changes; 15 days later the update question comes, and the
# answer stores that day. A renamed copy of the program keeps the same settings file.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

# The program's first window: the main window, or the update question before it.
first_window_title() {
    title_of "$(wait_for_window "$1" 'Lunetide( v1\.15)?' | head -n 1)"
}

stored() { [[ $(cat "$settings") == "$(printf '[Settings]\nDuration=%s' "$1")" ]]; }

[[ -z $(ls -A "$HOME") ]] || fail "the home is not empty: $(ls -A "$HOME")"
for days in 0 14 15; do
    step "a start $days days after the first"
    clock_moved_by "$days"
    launch
    launch_prefix=()
    program=$launched
    title=$(first_window_title "$program")
    if ((days < 15)); then
        [[ $title == "Lunetide v1.15" ]] || fail "asked: a window \"$title\" came first"
    else
        [[ $title == Lunetide ]] || fail "not asked: \"$title\" came first"
        press "$(wait_for_window "$program" Lunetide)" Escape # No
        wait_for_window "$program" 'Lunetide v1\.15' >/dev/null
    fi
    kill -TERM "$program"
    expect_clean_end "$program" "$WINDOW_TIMEOUT" "start $days days later"
    stored "$(date -d "$((days < 15 ? 0 : days)) days" +%F)" ||
        fail "settings after the start: $(cat "$settings")"
done
[[ ! -s $sandbox/lunetide-0.log ]] || fail "the first start said: $(cat "$sandbox/lunetide-0.log")"
for folder in "$HOME/.config" "$HOME/.config/Lunetide"; do
    [[ $(stat -c %a "$folder") == 700 ]] || fail "$folder has mode $(stat -c %a "$folder")"
done

step "a renamed copy of the program"
rm "$settings"
cp "$LUNETIDE" "$sandbox/moon-tool"
LUNETIDE=$sandbox/moon-tool
launch
program=$launched
[[ $(first_window_title "$program") == "Lunetide v1.15" ]] || fail "the renamed copy asked"
kill -TERM "$program"
expect_clean_end "$program" "$WINDOW_TIMEOUT" "renamed copy"
stored "$(date +%F)" || fail "the renamed copy did not store its date in $settings"
[[ $(ls -A "$(dirname "$settings")") == lunetide.conf ]] ||
    fail "the settings folder holds $(ls -A "$(dirname "$settings")")"
echo "PASS"
