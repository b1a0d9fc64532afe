#!/usr/bin/env bash
# Times `lunetide-reading --sky --json` over 1, 30, 365 and 3000 days from 2026-01-01 beside the
# readings of the same days (`--json`), measured in the same run: the sky's cost per range, and
# how many times the readings' it is.
#
# Usage: bench/sky_range.sh [PROGRAM] [RUNS]
#   PROGRAM  the built lunetide-reading (default: build/default/cli/lunetide-reading)
#   RUNS     runs per measurement; the median is reported (default: 5)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/default/cli/lunetide-reading}
runs=${2:-5}
if [[ ! -x $program ]]; then
    echo "sky_range.sh: no program at '$program' (build the lunetide-reading target first)" >&2
    exit 2
fi
# A fixed place and zone, so that every run reads the same sky.
export TZ=Europe/Berlin HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT

# Median wall time in milliseconds of RUNS runs of a command.
median_ms() {
    local times=() start end
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
        m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "%.1f", m / 1000 }'
}

echo "lunetide-reading --sky --json beside --json, from 2026-01-01, median of $runs runs, wall time:"
for days in 1 30 365 3000; do
    last=$(date -d "2026-01-01 + $((days - 1)) days" +%F)
    range=(--from 2026-01-01 --to "$last" --place 52.52,13.40)
    sky_ms=$(median_ms "$program" --sky --json "${range[@]}")
    readings_ms=$(median_ms "$program" --json "${range[@]}")
    printf '  %5d days   sky %8s ms   readings %6s ms   (x%s)\n' "$days" "$sky_ms" "$readings_ms" \
        "$(awk -v a="$sky_ms" -v b="$readings_ms" 'BEGIN { printf "%.0f", a / b }')"
done
