#!/usr/bin/env bash
# What a screen reader finds in the running program, through the real AT-SPI bus (run under
# dbus-run-session, which starts the accessibility bus on demand): the date lists labelled by
# their headings, the moon picture named and described, the clickable labels as links whose
# Press action opens their page, and the display window's picture described after a reading.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

# pyatspi belongs to Debian's own Python.
client() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_client.py" "$@"; }

# The browser is a stand-in that writes down the address it was asked to open.
mkdir -p "$sandbox/bin"
cat >"$sandbox/bin/xdg-open" <<STUB
#!/bin/sh
echo "\$1" >>"$sandbox/opened"
STUB
chmod +x "$sandbox/bin/xdg-open"
export PATH=$sandbox/bin:$PATH
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

step "start the program"
launch
wait_for_window "$launched" 'Lunetide v1\.15' >/dev/null

step "the main window as a screen reader sees it"
client main

step "press the forum link through its Press action"
client press-link "The Veyrholt Moon Magick Forum"
wait_until "$WINDOW_TIMEOUT" test -s "$sandbox/opened" || fail "the link opened no page"
[[ $(cat "$sandbox/opened") == http://www.veyrholt.com ]] ||
    fail "the link opened: $(cat "$sandbox/opened")"
step "it opened $(cat "$sandbox/opened")"

step "a reading, asked for through the button's Press action"
client reading
echo "PASS"
