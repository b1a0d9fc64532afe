#!/usr/bin/env bash
# Times lunetide-reading over every day of 1901-01-01..2050-12-31 (54,787 days), as text and as
# JSON Lines, and sets the times against two baselines measured in the same run: `cat` of a file
# of the same size (the cost of moving that many bytes) and `--version` (the cost of starting).
#
# Usage: bench/cli_range.sh [PROGRAM] [RUNS]
#   PROGRAM  the built lunetide-reading (default: build/default/cli/lunetide-reading)
#   RUNS     runs per measurement; the median is reported (default: 7)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/default/cli/lunetide-reading}
runs=${2:-7}
range=(--from 1901-01-01 --to 2050-12-31)

if [[ ! -x $program ]]; then
    echo "cli_range.sh: no program at '$program' (build the lunetide-reading target first)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_ns() { date +%s%N; }

# Median wall time in milliseconds of RUNS runs of a command whose output goes to $work/out.
median_ms() {
    local times=() start end
    for ((i = 0; i < runs; i++)); do
        start=$(now_ns)
        "$@" >"$work/out"
        end=$(now_ns)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
        m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "%.1f", m / 1000 }'
}

"$program" "${range[@]}" >"$work/text.ref"
"$program" --json "${range[@]}" >"$work/json.ref"
text_bytes=$(stat -c %s "$work/text.ref")
json_bytes=$(stat -c %s "$work/json.ref")

text_ms=$(median_ms "$program" "${range[@]}")
cat_text_ms=$(median_ms cat "$work/text.ref")
json_ms=$(median_ms "$program" --json "${range[@]}")
cat_json_ms=$(median_ms cat "$work/json.ref")
version_ms=$(median_ms "$program" --version)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }'; }

echo "lunetide-reading, 1901-01-01..2050-12-31 (54787 days), median of $runs runs, wall time:"
printf '  %-8s %9s bytes  %8s ms   cat of as many bytes %6s ms (x%s)\n' \
    text "$text_bytes" "$text_ms" "$cat_text_ms" "$(ratio "$text_ms" "$cat_text_ms")" \
    json "$json_bytes" "$json_ms" "$cat_json_ms" "$(ratio "$json_ms" "$cat_json_ms")"
printf '  start-up (--version)          %8s ms   range minus start-up: text %s ms, json %s ms\n' \
    "$version_ms" "$(awk -v a="$text_ms" -v b="$version_ms" 'BEGIN { printf "%.1f", a - b }')" \
    "$(awk -v a="$json_ms" -v b="$version_ms" 'BEGIN { printf "%.1f", a - b }')"
