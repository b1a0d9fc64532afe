#!/usr/bin/env bash
# The panel under a real tray (trayer on Xvfb): its start-up until the icon is embedded, beside the
# one-label window's until it is shown, interleaved in one run (medians and their ratio); then the
# real lunetide-panel idle for a minute, its CPU time over that minute as a share of one CPU.
#
# Usage: bench/panel.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]
#   BUILD_DIR     the build folder (default: build/default)
#   RUNS          start-ups of each (default: 21)
#   IDLE_SECONDS  how long the idle panel is watched (default: 60)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/default}" && pwd)
runs=${2:-21}
idle=${3:-60}
for program in bench/panel_shown bench/label_window panel/lunetide-panel; do
    [[ -x $build/$program ]] || { echo "panel.sh: no $build/$program (build first)" >&2; exit 2; }
done
if [[ -z ${PANEL_BENCH_SESSION:-} ]]; then
    # A display, a session bus and a tray of their own.
    exec env PANEL_BENCH_SESSION=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- bash "$0" "$build" "$runs" "$idle"
fi

export HOME=$(mktemp -d) TZ=Europe/Berlin QT_QPA_PLATFORM=xcb
mkdir -m 0700 "$HOME/runtime"
export XDG_RUNTIME_DIR=$HOME/runtime
trayer --edge top --align right --widthtype request --height 32 >/dev/null 2>&1 &
tray=$!
trap 'kill $tray 2>/dev/null; rm -rf "$HOME"' EXIT
for _ in $(seq 100); do xdotool search --classname trayer >/dev/null 2>&1 && break; sleep 0.05; done

# Milliseconds from the start of a program until it says "shown".
shown_ms() {
    local start end
    start=$(date +%s%N)
    "$@" | grep -q '^shown'
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

label=() panel=()
for ((i = 0; i < runs; i++)); do
    label+=("$(shown_ms "$build/bench/label_window")")
    panel+=("$(shown_ms "$build/bench/panel_shown")")
done
label_ms=$(printf '%s\n' "${label[@]}" | median)
panel_ms=$(printf '%s\n' "${panel[@]}" | median)

"$build/panel/lunetide-panel" >/dev/null 2>&1 &
pid=$!
sleep 5
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$idle"
after=$(ticks)
kill -TERM $pid
wait $pid || true
hz=$(getconf CLK_TCK)

echo "Panel benchmark ($runs start-ups each, interleaved, medians; idle over $idle s)"
printf '  %-44s %8s ms\n' "one-label window until shown" "$label_ms"
printf '  %-44s %8s ms\n' "panel until its icon is in the tray" "$panel_ms"
awk -v p="$panel_ms" -v l="$label_ms" 'BEGIN { printf "  %-44s %8.2f    (target <= 1.50)\n", "panel start-up ratio to the one-label window", p / l }'
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" 'BEGIN { printf "  %-44s %8.3f %%  (target < 0.1 %%)\n", "panel idle CPU", 100 * t / hz / s }'
