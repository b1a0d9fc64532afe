#!/usr/bin/env bash
# The pictures in docs/ are what the program shows: scripts/screenshots makes them again from the
# program under test, and every one must match its committed picture pixel for pixel.
#
#   screenshots.sh <lunetide program> <source folder>
set -euo pipefail

program=$1 source=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

"$source/scripts/screenshots" "$program" "$fresh"
status=0
for picture in "$source"/docs/*.png; do
    name=$(basename "$picture")
    [[ -f $fresh/$name ]] || { echo "FAIL: scripts/screenshots made no $name"; status=1; continue; }
    differ=$(compare -metric AE "$picture" "$fresh/$name" null: 2>&1) || true
    if [[ $differ != 0 ]]; then
        echo "FAIL: docs/$name: $differ pixels differ from the program's window"
        status=1
    fi
done
for made in "$fresh"/*.png; do
    [[ -f $source/docs/$(basename "$made") ]] || { echo "FAIL: docs/ lacks $(basename "$made")"; status=1; }
done
((status == 0)) && echo "PASS: docs/*.png show the windows as they are" ||
    echo "The look changed: when that is meant, run scripts/screenshots and commit docs/*.png"
exit "$status"
