#!/usr/bin/env bash
# Makes the Debian package from a build, as `make package` does, checks its run-time dependencies
# and runs Debian's package checker on it. Any error or warning fails; what lintian says is shown
# either way.
#
#   check_lintian.sh <build-folder> <cpack>
set -euo pipefail

build=$1 cpack=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAIL: cpack could not make the package" >&2; exit 1; }
debs=("$out"/*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: cpack made no .deb" >&2; exit 1; }

# What the program loads at run time without linking it: the platform plugin and its font.
depends=$(dpkg-deb -f "${debs[0]}" Depends)
for needed in qt6-qpa-plugins fonts-dejavu-core; do
    [[ ", $depends," == *", $needed,"* ]] || { echo "FAIL: Depends lacks $needed: $depends" >&2; exit 1; }
done
# What dpkg-shlibdeps must find in the programs themselves: the calendar prints through Qt Print
# Support.
[[ $depends == *"libqt6printsupport6 "* ]] || { echo "FAIL: Depends lacks Qt Print Support: $depends" >&2; exit 1; }

echo "lintian $(basename "${debs[0]}"):"
# As root (CI), lintian wants to be told that this is meant.
root=()
[[ $(id -u) -eq 0 ]] && root=(--allow-root)
lintian "${root[@]}" --fail-on error,warning --tag-display-limit 0 "${debs[@]}"
echo "lintian: no error, no warning"
