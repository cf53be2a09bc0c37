#!/usr/bin/env bash
# Builds the .deb from a configured build folder and checks what a school's machine would get:
# the files at their standard paths, icons of the sizes their folders claim, a valid menu entry
# and software-centre description that agree with each other and with the package, dependencies
# found by dpkg-shlibdeps, and a packaged binary that runs.
# Usage: check_deb.sh build-folder output-folder
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
debs=("$out"/marlo_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || { echo "expected one marlo_*.deb in $out" >&2; exit 1; }
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(field Depends)"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[[ $(field Package) == marlo ]] || fail "package name $(field Package)"
[[ $(field Section) == education ]] || fail "section $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no maintainer"
# Computed dependencies name the Qt libraries marlo links, with versions.
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6 libstdc++6; do
    [[ ", $(field Depends)," == *", $library (>= "*")"* ]] || fail "Depends lacks $library"
done

share=./usr/share
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(./usr/bin/marlo "$share/applications/org.brindle.marlo.desktop"
          "$share/metainfo/org.brindle.marlo.metainfo.xml"
          "$share/icons/hicolor/scalable/apps/marlo.svg")
for size in 16 22 24 32 48 64 128 256; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/marlo.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "not in the package: $path"
done

root=$out/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/org.brindle.marlo.desktop
metainfo=$root/usr/share/metainfo/org.brindle.marlo.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# Keys of the main group only; the desktop actions have their own Name and Exec.
entry() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
[[ -x $root/usr/bin/$(entry Exec | cut -d' ' -f1) ]] || fail "Exec=$(entry Exec) is not packaged"
[[ $(entry Terminal) == false ]] || fail "Terminal=$(entry Terminal)"
[[ ";$(entry Categories)" == *";Education;"* ]] || fail "not in Education: $(entry Categories)"
# GNOME's menu files an Education entry that is also Science under Science.
[[ ";$(entry Categories)" != *";Science;"* ]] || fail "Science takes MARLO out of Education"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "metainfo does not launch $(basename "$desktop")"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[[ $newest == "$version" ]] || fail "newest release in metainfo is $newest, package is $version"

# Each icon is the size its folder says, so menus do not scale a wrong one.
icons=$root/usr/share/icons/hicolor
for png in "$icons"/*/apps/"$(entry Icon)".png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    actual=$(identify -format %wx%h "$png")
    [[ $actual == "$folder" ]] || fail "$folder icon is $actual"
done
grep -q '<svg' "$icons/scalable/apps/$(entry Icon).svg" 2>/dev/null || fail "scalable icon is no SVG"

# The packaged, stripped binary still runs and knows its version.
printed=$("$root/usr/bin/marlo" --version 2>&1) || fail "marlo --version failed: $printed"
[[ $printed == "MARLO $version" ]] || fail "marlo --version printed '$printed'"

((failures == 0)) || exit 1
echo "package checks passed"
