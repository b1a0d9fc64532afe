#!/usr/bin/env bash
# Makes the Debian package from a build, as `make package` does, checks its run-time dependencies
# and runs Debian's package checker on it. Any error or warning fails, and so does a hardening
# tag; what lintian says is shown either way.
#
#   check_lintian.sh <build-folder> <cpack> <hardened: yes for the optimised build, else no>
set -euo pipefail

build=$1 cpack=$2 hardened=${3:-yes}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAIL: cpack could not make the package" >&2; exit 1; }
debs=("$out"/*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: cpack made no .deb" >&2; exit 1; }

# Each release upgrades every one before it: the package's version is the changelog's newest,
# X.Y.Z, and dpkg takes it as newer than each older entry.
version=$(dpkg-deb -f "${debs[0]}" Version)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "FAIL: the version is not X.Y.Z: $version" >&2; exit 1; }
releases=$(sed -n 's/^lunetide (\([^)]*\)).*/\1/p' "$(dirname "$0")/changelog")
[[ $(head -n 1 <<<"$releases") == "$version" ]] || { echo "FAIL: $version is not the changelog's newest release" >&2; exit 1; }
while read -r older; do
    dpkg --compare-versions "$version" gt "$older" || { echo "FAIL: $version does not upgrade $older" >&2; exit 1; }
done < <(tail -n +2 <<<"$releases")

# What the program loads at run time without linking it: the platform plugin and its font.
depends=$(dpkg-deb -f "${debs[0]}" Depends)
for needed in qt6-qpa-plugins fonts-dejavu-core; do
    [[ ", $depends," == *", $needed,"* ]] || { echo "FAIL: Depends lacks $needed: $depends" >&2; exit 1; }
done
# What dpkg-shlibdeps must find in the programs themselves: the calendar prints through Qt Print
# Support.
[[ $depends == *"libqt6printsupport6 "* ]] || { echo "FAIL: Depends lacks Qt Print Support: $depends" >&2; exit 1; }
# The sky window works out the moon in the sky through libnova.
[[ $depends == *"libnova"* ]] || { echo "FAIL: Depends lacks libnova: $depends" >&2; exit 1; }

# Links open through xdg-open.
recommends=$(dpkg-deb -f "${debs[0]}" Recommends)
for wanted in xdg-utils qt6-wayland; do
    [[ ", $recommends," == *", $wanted,"* ]] || { echo "FAIL: Recommends lacks $wanted: $recommends" >&2; exit 1; }
done

echo "lintian $(basename "${debs[0]}"):"
# As root (CI), lintian wants to be told that this is meant.
root=()
[[ $(id -u) -eq 0 ]] && root=(--allow-root)
# The hardening tags are only informational: shown with -I, and failed here.
lintian "${root[@]}" -I --fail-on error,warning --tag-display-limit 0 "${debs[@]}" | tee "$out/lintian.log"
if [[ $hardened == yes ]] && grep -q 'hardening-' "$out/lintian.log"; then
    echo "FAIL: the programs are built without Debian's hardening flags" >&2
    exit 1
fi
echo "lintian: no error, no warning, no hardening tag"
