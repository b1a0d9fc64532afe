# Shared by the end-to-end scenarios (sourced): a private home for the program, starting it, and
# looking at its windows with the X tools. Every scenario runs under its own Xvfb server, with no
# window manager, so the top-level windows are the root window's children.
set -euo pipefail

LUNETIDE=${1:?usage: $0 <path of the lunetide program>}
# Seconds a window may take to appear or go (generous: a sanitizer build starts slowly).
WINDOW_TIMEOUT=${E2E_WINDOW_TIMEOUT:-60}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "-- $*"; }

# A fresh home, as a new account has it: nothing the program makes itself (its settings folder,
# its lock) is there; a case that needs something there makes it. The session's runtime folder is
# there, as a login makes it.
sandbox=$(mktemp -d)
started=()
finish() {
    local status=$?
    for pid in "${started[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    if [[ $status -ne 0 ]]; then
        for log in "$sandbox"/*.log; do
            [[ -s $log ]] && { echo "== $(basename "$log")"; cat "$log"; }
        done
    fi
    rm -rf "$sandbox"
    exit "$status"
}
trap finish EXIT
export HOME=$sandbox/home XDG_RUNTIME_DIR=$sandbox/runtime
unset XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -m 0700 "$HOME" "$XDG_RUNTIME_DIR"
# Where the program keeps its settings and its lock: the lock in the system's runtime folder for
# the user when it is private (then shared with the user's own copy of the program), else in the
# home.
readonly settings=$HOME/.config/Lunetide/lunetide.conf
system_runtime=/run/user/$(id -u)
if [[ -d $system_runtime && -O $system_runtime ]] && (((8#$(stat -c %a "$system_runtime") & 8#077) == 0)); then
    readonly lock=$system_runtime/lunetide.lock
else
    readonly lock=$HOME/.cache/lunetide/lunetide.lock
fi
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

# Starts one copy of the program, through the command in launch_prefix if one is set (env with
# variables for the program alone), with the arguments given; its process id is left in $launched.
launch_prefix=()
launch() {
    "${launch_prefix[@]}" "$LUNETIDE" "$@" >"$sandbox/lunetide-${#started[@]}.log" 2>&1 &
    launched=$!
    started+=("$launched")
}

# The next launch runs with the clock moved by the given number of days (libfaketime).
clock_moved_by() {
    local library
    library=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
    # A sanitizer build wants its runtime first in the library list; libfaketime comes first here.
    launch_prefix=(env LD_PRELOAD="$library" FAKETIME="$(printf '%+d' "$1")d"
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
}

# True once the process has ended (gone, or a zombie waiting to be reaped).
has_ended() {
    local state
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 0
    [[ -z $state || $state == Z ]]
}

# Polls a command every 50 ms until it succeeds or the seconds run out.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# The visible windows of a process whose title matches an extended regex (whole title), waiting
# for at least one to be mapped.
wait_for_window() {
    local pid=$1 title=$2
    timeout "$WINDOW_TIMEOUT" xdotool search --all --sync --onlyvisible --pid "$pid" --name "^$title\$" ||
        fail "no visible window \"$title\" of process $pid within $WINDOW_TIMEOUT s"
}

is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_not_viewable() { ! is_viewable "$1"; }

# The ids of the mapped top-level windows, every application's, the topmost first. Listing the
# root's children fails when one of them is destroyed meanwhile: then list them again.
visible_toplevels() {
    local children id tries=0
    until children=$(xwininfo -root -children 2>/dev/null); do
        ((++tries < 20)) || fail "cannot list the top-level windows"
        sleep 0.05
    done
    for id in $(awk '$1 ~ /^0x/ { print $1 }' <<<"$children"); do
        is_viewable "$id" && echo "$id"
    done
    return 0
}


# "WIDTHxHEIGHT" of a window.
size_of() {
    xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w "x" h }'
}

title_of() { xdotool getwindowname "$1"; }

# Without a window manager no window takes the focus by itself: give the window the focus, then
# type the key (XTEST), as a user who clicked on the window and pressed the key would. The key is
# not sent to the window itself: the window may be gone before the key is released.
press() {
    local window=$1 key=$2
    xdotool windowfocus --sync "$window"
    xdotool key "$key"
}

# Waits for a process to end within the given seconds and checks its exit status is 0.
expect_clean_end() {
    local pid=$1 seconds=$2 what=$3 status=0
    local start_ns=$(date +%s%N)
    local deadline_ns=$((start_ns + seconds * 1000000000))
    until has_ended "$pid"; do
        (($(date +%s%N) < deadline_ns)) || fail "$what: still running after $seconds s"
        sleep 0.02
    done
    local took_ms=$((($(date +%s%N) - start_ns) / 1000000))
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "$what: exit status $status"
    step "$what: ended with status 0 after ${took_ms} ms"
}
