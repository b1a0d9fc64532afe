#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what lands there: exactly the three programs,
# their manual pages, the changelog and copyright file, the desktop entry, the metainfo and the
# icons, every PNG of its stated size, and one id shared by the desktop entry's file name, its
# Icon= and the metainfo.
#
#   check_install.sh <build-folder> <app-id> <icon-size>...
set -euo pipefail

build=$1 id=$2
shift 2
sizes=("$@")

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expected=(
    bin/lunetide
    bin/lunetide-reading
    bin/lunetide-panel
    share/man/man1/lunetide.1.gz
    share/man/man1/lunetide-reading.1.gz
    share/man/man1/lunetide-panel.1.gz
    share/doc/lunetide/copyright
    share/doc/lunetide/changelog.gz
    "share/applications/$id.desktop"
    "share/applications/$id.Panel.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ $installed == "$wanted" ]] ||
    fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$wanted") <(echo "$installed"))"

for program in lunetide lunetide-reading lunetide-panel; do
    [[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"
done
for program in lunetide lunetide-reading lunetide-panel; do
    # The page is made from the program's --help, so it lists --version as the help does.
    zcat "$prefix/share/man/man1/$program.1.gz" | grep -F -e '\-\-version' >/dev/null ||
        fail "the manual page of $program does not list --version"
done
for size in "${sizes[@]}"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    actual=$(identify -format '%wx%h' "$png")
    [[ $actual == "${size}x${size}" ]] || fail "$size-pixel icon is $actual"
done

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[[ $(sed -n 's/^Icon=//p' "$desktop") == "$id" ]] || fail "desktop entry's Icon= is not $id"
[[ $(sed -n 's/^Exec=//p' "$desktop") == lunetide ]] || fail "desktop entry does not run lunetide"
panel_entry=$prefix/share/applications/$id.Panel.desktop
[[ $(sed -n 's/^Exec=//p' "$panel_entry") == lunetide-panel ]] || fail "the panel's entry does not run lunetide-panel"
[[ $(sed -n 's/^Name=//p' "$panel_entry") == "Lunetide Moon in the Panel" ]] || fail "the panel's entry has another name"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
echo "installed: ${#expected[@]} files, as expected"
