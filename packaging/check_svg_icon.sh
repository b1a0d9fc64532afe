#!/usr/bin/env bash
# The scalable icon must show what the program draws: renders the SVG at each size and compares
# it with the PNG the program drew at that size. Only antialiased edges may differ.
#
#   check_svg_icon.sh <svg> <hicolor-folder> <icon-name> <size>...
set -euo pipefail

svg=$1 hicolor=$2 name=$3
shift 3
# Root-mean-square difference, 0 to 1, that edge antialiasing stays well under; a moved or
# recoloured shape goes well over it.
readonly limit=0.02

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for size in "$@"; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$scratch/$size.png"
    # compare prints "absolute (normalised)" on stderr and exits 1 when the images differ at all.
    metric=$(compare -metric RMSE "$hicolor/${size}x${size}/apps/$name.png" "$scratch/$size.png" \
        null: 2>&1 || true)
    rmse=$(sed -n 's/.*(\(.*\)).*/\1/p' <<<"$metric")
    [[ -n $rmse ]] || { echo "cannot compare at $size pixels: $metric" >&2; exit 1; }
    if awk -v d="$rmse" -v l="$limit" 'BEGIN { exit !(d <= l) }'; then
        echo "$size px: difference $rmse"
    else
        echo "FAIL: $size px: the SVG differs from the drawn icon by $rmse (limit $limit)" >&2
        status=1
    fi
done
exit $status
