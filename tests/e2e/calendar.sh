#!/usr/bin/env bash
# The calendar as a user drives it by keyboard and a screen reader hears it (run under
# dbus-run-session). Today is pinned to 24 December 2026, a Full Moon: the calendar opens from
# the File menu (Alt+F, C) on today's month, every day cell names its date and phase, Page Up and
# the arrows reach 23 December 2007, Enter picks it, the lists show it, and the reading is the
# Full Moon. Print to File writes the month's page; Esc leaves without moving the lists.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

client() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_client.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

readonly faketime_library=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
mkdir -p -m 0700 "$HOME/.config" "$(dirname "$settings")"
printf '[Settings]\nDuration=2026-12-24\n' >"$settings"
launch_prefix=(env LD_PRELOAD="$faketime_library" FAKETIME="@2026-12-24 12:00:00" TZ=Europe/Berlin
    LC_ALL=C.UTF-8 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
launch
main=$(wait_for_window "$launched" 'Lunetide v1\.15')

# The program's showing windows other than those given, once one shows.
other_window() {
    local others
    others=$(xdotool search --onlyvisible --pid "$launched") || return 1
    for known; do others=$(grep -vx "$known" <<<"$others") || return 1; done
    head -1 <<<"$others"
}
calendar_window() { other_window "$main"; }
open_calendar() {
    press "$main" alt+f
    xdotool key c
    wait_until "$WINDOW_TIMEOUT" calendar_window >/dev/null || fail "File, Moon Calendar opened nothing"
    calendar=$(calendar_window)
}
lists_show() { [[ $(client lists) == "$1" ]]; }

step "open the calendar with Alt+F, C"
open_calendar
day=$(client calendar-day)
# In Berlin the full moon in the sky is at 02:28 that day.
[[ $day == "Thursday 24 December 2026, Full Moon; full moon at 02:28 (Cold Moon, supermoon)" ]] ||
    fail "the calendar opened on: $day"
step "it opened on today: $day"

days=$(client calendar-days)
for expected in "Tuesday 1 December 2026, Waning Moon; last quarter at 07:08" \
    "Saturday 5 December 2026, Dark Moon" "Sunday 13 December 2026, New Moon" \
    "Thursday 17 December 2026, Waxing Moon; first quarter at 06:42" \
    "Thursday 31 December 2026, Waning Moon"; do
    grep -qxF -- "$expected" <<<"$days" || fail "no day cell named \"$expected\": $(tr '\n' '|' <<<"$days")"
done
step "the day cells name their dates and phases"

step "Print…, then Print in the print dialog: the month as a PDF in the home folder"
press "$calendar" alt+p
wait_until "$WINDOW_TIMEOUT" other_window "$main" "$calendar" >/dev/null || fail "Print… opened no dialog"
print_dialog=$(other_window "$main" "$calendar")
[[ $(title_of "$print_dialog") == Print ]] || fail "Print… opened \"$(title_of "$print_dialog")\""
# Keys typed before Qt has given the dialog the X focus are lost; the X focus moved onto it by hand
# does not make Qt take them either.
has_focus() { [[ $(xdotool getwindowfocus) == "$1" ]]; }
wait_until "$WINDOW_TIMEOUT" has_focus "$print_dialog" || fail "the print dialog never took the focus"
xdotool key Return
pdf="$HOME/December 2026.pdf"
wait_until "$WINDOW_TIMEOUT" test -s "$pdf" || fail "Print to File made no $pdf"
page=$(pdftotext "$pdf" - | tr -s ' \n' ' ')
for text in "December 2026" "Waning Moon" "Dark Moon" "New Moon" "Waxing Moon" "Full Moon" 31; do
    [[ $page == *"$text"* ]] || fail "the printed page lacks \"$text\": $page"
done
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$print_dialog" || fail "the print dialog stays"
is_viewable "$calendar" || fail "printing closed the calendar"

step "Esc closes it and leaves the lists"
press "$calendar" Escape
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$calendar" || fail "Esc left the calendar open"
[[ $(client lists) == "1 January 1901" ]] || fail "after Esc the lists show: $(client lists)"

step "back 228 months with Page Up and one day left, to 23 December 2007; Enter"
open_calendar
xdotool windowfocus --sync "$calendar"
for _ in $(seq 12); do
    xdotool key --delay 15 $(printf 'Prior %.0s' $(seq 19))
done
xdotool key Left
day=$(client calendar-day)
[[ $day == "Sunday 23 December 2007, Full Moon" ]] || fail "the keys reached: $day"
xdotool key Return
wait_until "$WINDOW_TIMEOUT" is_not_viewable "$calendar" || fail "Enter left the calendar open"
wait_until 10 lists_show "23 December 2007" || fail "the lists show: $(client lists)"
step "the lists show 23 December 2007"

step "the reading button"
press "$main" alt+m
wait_until "$WINDOW_TIMEOUT" sh -c "! xwininfo -id $main | grep -q IsViewable" || fail "no reading shown"
labels=$(client display-labels)
grep -qxF "Full Moon" <<<"$labels" || fail "the reading shows: $(tr '\n' '|' <<<"$labels")"
grep -qxF "12/23/2007" <<<"$labels" || fail "the reading's date: $(tr '\n' '|' <<<"$labels")"
step "the reading is the Full Moon of 12/23/2007"
kill -TERM "$launched"
expect_clean_end "$launched" "$WINDOW_TIMEOUT" "the program"
echo "PASS"
